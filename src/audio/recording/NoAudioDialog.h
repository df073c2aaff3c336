#pragma once

#include <functional>
#include <string>

#include "audio/recording/MicrophoneWizard.h"
#include "common/SettingsStore.h"
#include "common/UiServices.h"

namespace qp {

// The no-audio dialog after a recording in which nothing reached the silence threshold: its
// text (cut at the first line break when there is no wizard to help), the "Do not show this
// message again" check box that turns "CheckForSilence" off, and the "Help" button that starts
// the microphone wizard. UI thread only.
class NoAudioDialog {
 public:
  // All must outlive the dialog.
  NoAudioDialog(UiServices& ui, SettingsStore& settings, MicrophoneWizardSources sources);

  // How the wizard is started (tests replace it).
  void setLauncher(std::function<bool(const std::string&)> launch) { launch_ = std::move(launch); }
  void show();

 private:
  UiServices& ui_;
  SettingsStore& settings_;
  MicrophoneWizardSources sources_;
  std::function<bool(const std::string&)> launch_;
};

}  // namespace qp
