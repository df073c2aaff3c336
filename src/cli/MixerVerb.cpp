// quillophone-cli mixer: the recording and playback lines of the devices in use, one line
// each: record|play<TAB>volume (0-100 %)<TAB>mute (0/1).
// quillophone-cli mixer record|play [--volume PERCENT] [--mute 0|1]: sets them (with neither
// option, prints that side's line).
#include <cstdio>
#include <optional>

#include "cli/CliArgs.h"
#include "cli/CliDevices.h"
#include "cli/CliVerb.h"
#include "devices/MixerLines.h"
#include "devices/PreferredDevices.h"
#include "platform/IniSettingsStore.h"
#include "platform/PulseMixerService.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage = "mixer [record|play [--volume PERCENT] [--mute 0|1]]";

int percentOf(int value) {
  return (value * 100 + kMixerVolumeMax / 2) / kMixerVolumeMax;
}

int valueOfPercent(long percent) {
  return static_cast<int>((percent * kMixerVolumeMax + 50) / 100);
}

// The side's lines on the device in use; a missing chosen device is reported first.
std::unique_ptr<MixerLines> linesOf(MixerService& service, const SettingsStore& settings,
                                    MixerDirection side) {
  reportMissingChoice(service, settings, side);
  return std::make_unique<MixerLines>(service, side,
                                      settings.readText(PreferredDevices::settingName(side), ""));
}

// Prints the side's line; false (with a message) when it has none.
bool printSide(MixerLines& lines) {
  const int volume = lines.volume();
  if (volume < 0) {
    std::fprintf(stderr, "quillophone-cli: no %s line with a volume control\n",
                 lines.direction() == MixerDirection::Recording ? "recording" : "playback");
    return false;
  }
  std::printf("%s\t%d\t%d\n", sideName(lines.direction()), percentOf(volume),
              lines.muted() ? 1 : 0);
  return true;
}

int setSide(MixerLines& lines, std::optional<long> percent, std::optional<long> mute) {
  if (lines.empty()) {
    return userError(std::string("quillophone-cli: no ") +
                     (lines.direction() == MixerDirection::Recording ? "recording" : "playback") +
                     " line");
  }
  if (percent && !lines.setVolume(valueOfPercent(*percent))) {
    return userError("quillophone-cli: the volume could not be set");
  }
  if (mute && !lines.setMuted(*mute != 0)) {
    return userError("quillophone-cli: the line cannot be muted or unmuted");
  }
  return kExitOk;
}

int runMixer(const std::vector<std::string>& args) {
  CliArgs parsed;
  std::optional<long> percent;
  std::optional<long> mute;
  if (!parsed.parse(args, {"volume", "mute"}) || !parsed.intValue("volume", 0, 100, percent) ||
      !parsed.intValue("mute", 0, 1, mute)) {
    return usageError(parsed.error(), kUsage);
  }
  const auto& positional = parsed.positional();
  MixerDirection side = MixerDirection::Recording;
  if (positional.size() > 1 || (positional.size() == 1 && !parseSide(positional[0], side))) {
    return usageError("mixer takes record or play", kUsage);
  }
  if (positional.empty() && (percent || mute)) {
    return usageError("say which line: record or play", kUsage);
  }
  PulseMixerService service("Quillophone command line");
  IniSettingsStore settings;
  std::vector<ServerDevice> devices;
  if (!service.listDevices(devices)) {
    return userError("quillophone-cli: cannot reach the sound server");
  }
  if (!positional.empty()) {
    auto lines = linesOf(service, settings, side);
    if (percent || mute) {
      return setSide(*lines, percent, mute);
    }
    return printSide(*lines) ? kExitOk : kExitUserError;
  }
  bool all = true;
  for (const MixerDirection each : {MixerDirection::Recording, MixerDirection::Playback}) {
    all = printSide(*linesOf(service, settings, each)) && all;
  }
  return all ? kExitOk : kExitUserError;
}

const CliVerbRegistration kMixer({"mixer", kUsage, &runMixer});

}  // namespace
}  // namespace qp::cli
