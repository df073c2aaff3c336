#pragma once

#include <string>

#include "common/SettingsStore.h"
#include "devices/MixerService.h"
#include "platform/PulseAudioBackend.h"

namespace qp::cli {

// The side's name on the command line: "record" or "play".
const char* sideName(MixerDirection side);
// "record" or "play" to a side; false for anything else.
bool parseSide(const std::string& text, MixerDirection& side);

// When the device chosen for the side (settings RecordingDevice / PlaybackDevice) is not
// there, says so on standard error, naming the default that stands in for it. True when it
// did.
bool reportMissingChoice(MixerService& service, const SettingsStore& settings, MixerDirection side);

// Points the backend at the chosen devices; a missing one on the side about to be used is
// reported as above and the default stands in for it. Does nothing without a choice.
void useChosenDevices(PulseAudioBackend& backend, const SettingsStore& settings,
                      MixerDirection side);

}  // namespace qp::cli
