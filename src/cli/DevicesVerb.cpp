// quillophone-cli devices: one line per recording device (source) and playback device (sink)
// of the sound server: source|sink<TAB>name<TAB>description<TAB>default (1 or 0).
// quillophone-cli devices record|play NAME|--default: chooses the device the program records
// from or plays to (kept by name in the settings), or goes back to the server's default.
#include <cstdio>

#include "cli/CliArgs.h"
#include "cli/CliDevices.h"
#include "cli/CliVerb.h"
#include "devices/PreferredDevices.h"
#include "platform/IniSettingsStore.h"
#include "platform/PulseMixerService.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage = "devices [record|play NAME|--default]";
constexpr const char* kNoServer = "quillophone-cli: cannot reach the sound server";

// A field of the tab-separated output: no tabs or line breaks inside.
std::string field(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') {
      c = ' ';
    }
  }
  return text;
}

int listDevices() {
  PulseMixerService service("Quillophone command line");
  std::vector<ServerDevice> devices;
  if (!service.listDevices(devices)) {
    return userError(kNoServer);
  }
  for (const ServerDevice& device : devices) {
    std::printf(
        "%s\t%s\t%s\t%d\n", device.direction == MixerDirection::Recording ? "source" : "sink",
        field(device.name).c_str(), field(device.description).c_str(), device.isDefault ? 1 : 0);
  }
  return kExitOk;
}

int chooseDevice(MixerDirection side, const std::string& name) {
  PulseMixerService service("Quillophone command line");
  IniSettingsStore settings;
  PreferredDevices preferred(service, settings);
  if (!name.empty()) {
    std::vector<ServerDevice> devices;
    if (!service.listDevices(devices)) {
      return userError(kNoServer);
    }
    const auto device = PreferredDevices::resolve(devices, side, name);
    if (!device || device->name != name) {
      return userError(std::string("quillophone-cli: no ") +
                       (side == MixerDirection::Recording ? "recording" : "playback") +
                       " device named " + name + " (see quillophone-cli devices)");
    }
  }
  if (!preferred.choose(side, name)) {
    return userError("quillophone-cli: cannot write the settings file " + settings.filePath());
  }
  return kExitOk;
}

int runDevices(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {}, {"default"})) {
    return usageError(parsed.error(), kUsage);
  }
  const auto& positional = parsed.positional();
  if (positional.empty() && !parsed.has("default")) {
    return listDevices();
  }
  MixerDirection side = MixerDirection::Recording;
  if (positional.empty() || !parseSide(positional[0], side)) {
    return usageError("devices chooses for record or play", kUsage);
  }
  const bool toDefault = parsed.has("default");
  if (positional.size() != (toDefault ? 1u : 2u)) {
    return usageError("give one device name, or --default", kUsage);
  }
  return chooseDevice(side, toDefault ? std::string() : positional[1]);
}

const CliVerbRegistration kDevices({"devices", kUsage, &runDevices});

}  // namespace
}  // namespace qp::cli
