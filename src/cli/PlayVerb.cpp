// quillophone-cli play NOTE... [--speed S] [--from F] [--to F] [--scan] [--continuous]: plays
// one note, or several in sequence, through the playback controller on the chosen sink,
// showing the countdown on the terminal. --from/--to stand for the graph's selection
// (fractions of each note), --speed for the speed slider (-19 .. 19).
#include <algorithm>
#include <cstdio>
#include <optional>

#include "audio/playback/PlaybackController.h"
#include "audio/wave/WaveFileReader.h"
#include "cli/CliArgs.h"
#include "cli/CliAudioUi.h"
#include "cli/CliDevices.h"
#include "cli/CliMessages.h"
#include "cli/CliVerb.h"
#include "cli/Terminal.h"
#include "common/StringIds.h"
#include "platform/IniSettingsStore.h"
#include "platform/PulseAudioBackend.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage =
    "play NOTE... [--speed S] [--from F] [--to F] [--scan] [--continuous]";

// The refusals the program gives before anything plays, with the reader's error code.
int checkNote(const std::string& path) {
  WaveFileReader reader;
  if (!reader.open(path)) {
    return readerError(path, reader.lastError());
  }
  if (reader.format().wBitsPerSample != 16 || reader.format().nChannels == 0 ||
      reader.format().nChannels > 2) {
    return fileError(path, terminalMessage(StringId::kOnly16BitPlayback).text);
  }
  if (!reader.format().isNote()) {
    reader.refuseFormat();
    std::fprintf(stderr, "Unable to open the note file.\nerror %d\n", reader.lastError());
    return kExitUserError;
  }
  return kExitOk;
}

struct PlayOptions {
  std::optional<long> speed;
  std::optional<double> from;
  std::optional<double> to;
};

bool parsePlay(CliArgs& parsed, const std::vector<std::string>& args, PlayOptions& options) {
  return parsed.parse(args, {"speed", "from", "to"}, {"scan", "continuous"}) &&
         parsed.intValue("speed", -19, 19, options.speed) &&
         parsed.doubleValue("from", 0.0, 1.0, options.from) &&
         parsed.doubleValue("to", 0.0, 1e6, options.to);
}

int runPlay(const std::vector<std::string>& args) {
  CliArgs parsed;
  PlayOptions options;
  if (!parsePlay(parsed, args, options)) {
    return usageError(parsed.error(), kUsage);
  }
  if (parsed.positional().empty()) {
    return usageError("play takes one or more notes", kUsage);
  }
  // A stretch is never reversed: --to at or before --from (or the start) would play nothing.
  if (options.to && options.from.value_or(0.0) >= std::min(*options.to, 1.0)) {
    return usageError("--from must lie before --to (--from is 0 when not given)", kUsage);
  }
  for (const std::string& path : parsed.positional()) {
    if (const int code = checkNote(path); code != kExitOk) {
      return code;
    }
  }
  CliUiServices ui;
  CliAudioWindow window;
  ui.subject = [&window] { return window.notes.at(window.current()); };
  window.notes = parsed.positional();
  for (std::size_t i = 0; i < window.notes.size(); ++i) {
    window.selected.push_back(i);
  }
  window.selection =
      selectionOf(options.from ? &*options.from : nullptr, options.to ? &*options.to : nullptr);
  PulseAudioBackend backend;
  useChosenDevices(backend, IniSettingsStore(), MixerDirection::Playback);
  PlaybackController controller(backend, ui, window);
  controller.setSpeed(static_cast<int>(options.speed.value_or(0)));
  controller.setContinuous(parsed.has("continuous"));
  if (parsed.has("scan")) {
    controller.playAll(true);
  } else {
    controller.play();
  }
  Terminal terminal(false);
  const auto showCountdown = [&] {
    const std::size_t note = window.current();
    terminal.progress("Playing " + window.noteDisplayName(note) + ": " +
                      std::to_string(window.time()) + " s left (Ctrl-C stops)");
  };
  const bool finished = ui.runUntil(
      [&] { return !controller.playing() && !controller.inSequence(); }, terminal, showCountdown);
  if (!finished) {
    controller.stopControl();
  }
  terminal.finish();
  return ui.messagesShown == 0 && !controller.sinkLost() ? kExitOk : kExitUserError;
}

const CliVerbRegistration kPlay({"play", kUsage, &runPlay});

const CliHelpRegistration kPlayHelp(
    "play", R"(Plays 16-bit notes through the default sound output, one after the other, showing the
time left; Ctrl-C stops.

  --from F, --to F   play a stretch of each note; F is a fraction of the note's length (0 its
                     start, 1 its end, 0.5 its middle). --from alone plays from there to the
                     end, --to alone from the start; --from must lie before --to
  --speed S          the speed slider's position, -19 (twice the speed) through 0 (as
                     recorded) to 19 (two thirds of the speed); pitch moves with speed
  --scan             plays the first 3 seconds of each note
  --continuous       repeats the note (or the whole sequence of notes) until Ctrl-C
)");

}  // namespace
}  // namespace qp::cli
