#pragma once

#include "audio/device/AudioBackend.h"
#include "audio/recording/NoAudioDialog.h"
#include "audio/recording/RecordingDestination.h"
#include "common/SettingsStore.h"
#include "common/UiServices.h"

namespace qp {

// What the main recorder and the quick recorder record through: the sound system, the user
// interface, the settings, the filing of a finished note and the no-audio dialog. Each must
// outlive the recorder it is given to.
struct RecorderServices {
  AudioBackend& backend;
  UiServices& ui;
  SettingsStore& settings;
  RecordingDestination& filer;
  NoAudioDialog& noAudio;
};

}  // namespace qp
