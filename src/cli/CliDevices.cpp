#include "cli/CliDevices.h"

#include <cstdio>

#include "devices/PreferredDevices.h"
#include "platform/PulseMixerService.h"

namespace qp::cli {

const char* sideName(MixerDirection side) {
  return side == MixerDirection::Recording ? "record" : "play";
}

bool parseSide(const std::string& text, MixerDirection& side) {
  if (text == "record" || text == "play") {
    side = text == "record" ? MixerDirection::Recording : MixerDirection::Playback;
    return true;
  }
  return false;
}

bool reportMissingChoice(MixerService& service, const SettingsStore& settings,
                         MixerDirection side) {
  const std::string chosen = settings.readText(PreferredDevices::settingName(side), "");
  std::vector<ServerDevice> devices;
  if (chosen.empty() || !service.listDevices(devices)) {
    return false;
  }
  const auto inUse = PreferredDevices::resolve(devices, side, chosen);
  if (inUse && inUse->name == chosen) {
    return false;
  }
  const char* kind = side == MixerDirection::Recording ? "recording" : "playback";
  std::fprintf(stderr, "quillophone-cli: the chosen %s device %s is not connected; using %s\n",
               kind, chosen.c_str(), inUse ? inUse->description.c_str() : "none");
  return true;
}

void useChosenDevices(PulseAudioBackend& backend, const SettingsStore& settings,
                      MixerDirection side) {
  const std::string source =
      settings.readText(PreferredDevices::settingName(MixerDirection::Recording), "");
  const std::string sink =
      settings.readText(PreferredDevices::settingName(MixerDirection::Playback), "");
  if (source.empty() && sink.empty()) {
    return;
  }
  backend.setPreferredDevices(source, sink);
  PulseMixerService service("Quillophone command line");
  reportMissingChoice(service, settings, side);
}

}  // namespace qp::cli
