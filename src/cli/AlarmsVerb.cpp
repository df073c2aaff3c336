// quillophone-cli alarms: every note that has an alarm, over all folders, one line each:
// path<TAB>state<TAB>nextTime<TAB>local next time (YYYY-MM-DD HH:MM:SS). The alarms are loaded
// as the program loads them, so stale states are brought up to date (and their files
// rewritten) on the way.
// quillophone-cli alarms --watch [--auto-close]: runs the alarm scheduler until interrupted,
// playing the alarms through the default sink (see CliAlarmUi for what it prints). It re-arms
// once a minute as well, so alarms that other processes set or change are picked up.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "alarms/AlarmState.h"
#include "alarms/LocalTime.h"
#include "alarms/scheduling/AlarmScheduler.h"
#include "alarms/scheduling/DeviceAlarmSounds.h"
#include "cli/CliAlarmUi.h"
#include "cli/CliArgs.h"
#include "cli/CliDevices.h"
#include "cli/CliTimerLoop.h"
#include "cli/CliVerb.h"
#include "cli/Terminal.h"
#include "common/StringTable.h"
#include "library/NoteList.h"
#include "library/NotesDirectory.h"
#include "platform/FreedesktopTrash.h"
#include "platform/IniSettingsStore.h"
#include "platform/PulseAudioBackend.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage = "alarms [--watch [--auto-close]]";
// A timer of the watch loop itself, outside the scheduler's identifiers.
constexpr int kRescanTimer = 1;
constexpr std::int64_t kRescanMs = std::int64_t{60} * 1000;

std::string programDirectory() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

void listAlarms(const SettingsStore& settings, const StringTable& strings,
                const std::string& notesDirectory) {
  SystemClock clock;
  NoteList alarms(settings, strings, clock);
  alarms.setAlarmsOnly(true);
  alarms.load(notesDirectory);
  for (const NoteEntry& note : alarms.entries()) {
    if (!note.alarm) {
      continue;
    }
    std::printf("%s\t%s\t%d\t%s\n", note.path.c_str(), alarmStateName(note.alarm->state),
                static_cast<int>(note.alarm->nextTime),
                LocalTime::format(note.alarm->nextTime).c_str());
  }
}

void watchAlarms(const SettingsStore& settings, const StringTable& strings,
                 const std::string& notesDirectory, bool autoClose) {
  SystemClock clock;
  CliTimerLoop loop;
  PulseAudioBackend backend;
  useChosenDevices(backend, settings, MixerDirection::Playback);
  DeviceAlarmSounds sounds(backend);
  FreedesktopTrash trash;
  Terminal terminal(false);
  CliAlarmUi ui(loop, sounds, settings, terminal, autoClose);
  AlarmScheduler scheduler(notesDirectory, {settings, strings, clock, loop, sounds, ui, trash});
  loop.setHandler([&scheduler](int id) {
    if (id == kRescanTimer) {
      scheduler.rearm();
    } else {
      scheduler.onTimer(id);
    }
  });
  loop.setTimer(kRescanTimer, kRescanMs);
  scheduler.rearm();
  std::fprintf(stderr, "Watching %d armed alarm(s) under %s (Ctrl-C stops).\n",
               scheduler.armedCount(), notesDirectory.c_str());
  loop.runUntil([&terminal] { return terminal.stopRequested(); });
  scheduler.killAll();
  sounds.stopAll();
}

int runAlarms(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {}, {"watch", "auto-close"})) {
    return usageError(parsed.error(), kUsage);
  }
  if (!parsed.positional().empty()) {
    return usageError("alarms takes no arguments", kUsage);
  }
  if (parsed.has("auto-close") && !parsed.has("watch")) {
    return usageError("--auto-close needs --watch", kUsage);
  }
  IniSettingsStore settings;
  const StringTable& strings = StringTable::active();
  const std::string notesDirectory = NotesDirectory::resolve(settings, strings, programDirectory());
  if (parsed.has("watch")) {
    watchAlarms(settings, strings, notesDirectory, parsed.has("auto-close"));
  } else {
    listAlarms(settings, strings, notesDirectory);
  }
  return kExitOk;
}

const CliVerbRegistration kAlarms({"alarms", kUsage, &runAlarms});

const CliHelpRegistration kAlarmsHelp(
    "alarms",
    R"(Prints every note that has an alarm, one tab-separated line each: path, state, next time
in seconds since 1970 and as local time.

  --watch        keeps running and rings the alarms through the default sound output,
                 printing fired, popup and closed or snoozed lines; a popup waits for Enter
                 (closes it) or s and Enter (snoozes it); the alarms are read again once a
                 minute; Ctrl-C stops
  --auto-close   with --watch: closes each popup once its note has played
)");

}  // namespace
}  // namespace qp::cli
