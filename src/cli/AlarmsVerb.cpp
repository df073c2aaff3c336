// quillophone-cli alarms: every note that has an alarm, over all folders, one line each:
// path<TAB>state<TAB>nextTime<TAB>local next time (YYYY-MM-DD HH:MM:SS). The alarms are loaded
// as the program loads them, so stale states are brought up to date (and their files
// rewritten) on the way.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "cli/CliArgs.h"
#include "cli/CliVerb.h"
#include "common/StringTable.h"
#include "library/AlarmState.h"
#include "library/LocalTime.h"
#include "library/NoteList.h"
#include "library/NotesDirectory.h"
#include "platform/IniSettingsStore.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage = "alarms";

std::string programDirectory() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

int runAlarms(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {})) {
    return usageError(parsed.error(), kUsage);
  }
  if (!parsed.positional().empty()) {
    return usageError("alarms takes no arguments", kUsage);
  }
  IniSettingsStore settings;
  const StringTable& strings = StringTable::active();
  const std::string notesDirectory = NotesDirectory::resolve(settings, strings, programDirectory());
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
  return kExitOk;
}

const CliVerbRegistration kAlarms({"alarms", kUsage, &runAlarms});

}  // namespace
}  // namespace qp::cli
