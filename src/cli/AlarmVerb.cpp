// quillophone-cli alarm set NOTE [options] | alarm rm NOTE: sets a note's alarm as the alarm
// dialog's "Set Alarm" does (unspecified fields from the note's alarm, else the template, else
// the defaults; the dialog's checks with its messages; the template is written), or disables
// it. `set` prints the alarm as `alarms` lists it.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "alarms/AlarmDialogRules.h"
#include "alarms/AlarmTemplate.h"
#include "alarms/LocalTime.h"
#include "cli/CliArgs.h"
#include "cli/CliVerb.h"
#include "common/Clock.h"
#include "common/StringTable.h"
#include "library/NoteAlarms.h"
#include "platform/IniSettingsStore.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage =
    "alarm set NOTE [--at HH:MM[:SS]] [--once YYYY-MM-DD | --weekly sun,mon,... | "
    "--monthly-day D --months jan,... | --monthly-nth first|second|third|fourth|last "
    "--weekday sun..sat --months ...] [--tone 0|1] [--popup 0|1] [--replay MINUTES] "
    "[--erase-after] [--message TEXT] | alarm rm NOTE";

constexpr const char* kWeekdays[] = {"sun", "mon", "tue", "wed", "thu", "fri", "sat"};
constexpr const char* kMonths[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                   "jul", "aug", "sep", "oct", "nov", "dec"};
constexpr const char* kOrdinals[] = {"first", "second", "third", "fourth", "last"};

std::string lower(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return text;
}

// Index of name in names (a whole name, or for 3-letter names any word they begin), or -1.
template <std::size_t N>
int indexOf(const std::string& name, const char* const (&names)[N]) {
  const std::string word = lower(name);
  for (std::size_t i = 0; i < N; ++i) {
    const std::string candidate = names[i];
    if (word == candidate ||
        (candidate.size() == 3 && word.size() > 3 && word.compare(0, 3, candidate) == 0)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// "mon,thu" -> flags; false on an unknown name or an empty list.
template <std::size_t N, std::size_t M>
bool parseList(const std::string& text, const char* const (&names)[N],
               std::array<std::int32_t, M>& flags) {
  static_assert(N == M);
  flags.fill(0);
  std::size_t start = 0;
  bool any = false;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const int i = indexOf(text.substr(start, comma - start), names);
    if (i < 0) {
      return false;
    }
    flags[static_cast<std::size_t>(i)] = 1;
    any = true;
    start = comma + 1;
  }
  return any;
}

bool parseTime(const std::string& text, AlarmRecord& r) {
  int h = 0, m = 0, s = 0, used = 0;
  const int n = std::sscanf(text.c_str(), "%2d:%2d%n:%2d%n", &h, &m, &used, &s, &used);
  if (n < 2 || static_cast<std::size_t>(used) != text.size() || h < 0 || h > 23 || m < 0 ||
      m > 59 || s < 0 || s > 59) {
    return false;
  }
  r.hour = h;
  r.minute = m;
  r.second = n == 3 ? s : 0;
  return true;
}

std::optional<std::int32_t> parseDate(const std::string& text) {
  int y = 0, mo = 0, d = 0, used = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d%n", &y, &mo, &d, &used) != 3 ||
      static_cast<std::size_t>(used) != text.size() || mo < 1 || mo > 12 || d < 1) {
    return std::nullopt;
  }
  const std::optional<std::int64_t> midnight = LocalTime::midnight(y, mo, d);
  if (!midnight || LocalTime::fromTime(*midnight).day != d) {
    return std::nullopt;  // 2026-02-30 and the like
  }
  return static_cast<std::int32_t>(*midnight);
}

// Applies the schedule options; an error text for bad usage, empty when fine.
std::string applySchedule(CliArgs& a, AlarmRecord& r) {
  int schedules = 0;
  for (const char* name : {"once", "weekly", "monthly-day", "monthly-nth"}) {
    schedules += a.value(name) ? 1 : 0;
  }
  if (schedules > 1) {
    return "give one of --once, --weekly, --monthly-day, --monthly-nth";
  }
  if (auto at = a.value("at"); at && !parseTime(*at, r)) {
    return "--at takes HH:MM or HH:MM:SS";
  }
  if (auto once = a.value("once")) {
    const std::optional<std::int32_t> day = parseDate(*once);
    if (!day) {
      return "--once takes a date YYYY-MM-DD";
    }
    r.schedule = AlarmRecord::kOneTime;
    r.playOnDate = *day;
  }
  if (auto weekly = a.value("weekly")) {
    if (!parseList(*weekly, kWeekdays, r.weekdays)) {
      return "--weekly takes weekdays sun,mon,...";
    }
    r.schedule = AlarmRecord::kWeekly;
  }
  std::optional<long> day;
  if (!a.intValue("monthly-day", -1000000, 1000000, day)) {
    return "--monthly-day takes a day of the month";
  }
  if (day) {
    r.schedule = AlarmRecord::kMonthly;
    r.monthlyMode = AlarmRecord::kDayOfMonth;
    r.dayOfMonth = static_cast<std::int32_t>(*day);  // the range is the dialog's check
  }
  if (auto nth = a.value("monthly-nth")) {
    const int ordinal = indexOf(*nth, kOrdinals);
    const auto weekday = a.value("weekday");
    const int wd = weekday ? indexOf(*weekday, kWeekdays) : -1;
    if (ordinal < 0 || wd < 0) {
      return "--monthly-nth takes first...last and needs --weekday sun..sat";
    }
    r.schedule = AlarmRecord::kMonthly;
    r.monthlyMode = AlarmRecord::kNthWeekday;
    r.ordinal = ordinal;
    r.weekday = wd;
  } else if (a.value("weekday")) {
    return "--weekday goes with --monthly-nth";
  }
  if (auto months = a.value("months"); months && !parseList(*months, kMonths, r.months)) {
    return "--months takes months jan,feb,...";
  }
  return {};
}

std::string applyOptions(CliArgs& a, AlarmRecord& r) {
  std::optional<long> tone, popup, replay;
  if (!a.intValue("tone", 0, 1, tone) || !a.intValue("popup", 0, 1, popup) ||
      !a.intValue("replay", -1000000, 1000000, replay)) {
    return a.error().empty() ? "bad option value" : a.error();
  }
  if (tone) {
    r.playTone = static_cast<std::int32_t>(*tone);
  }
  if (popup) {
    r.showPopup = static_cast<std::int32_t>(*popup);
  }
  if (replay) {
    r.replay = 1;
    r.replayMinutes = static_cast<std::int32_t>(*replay);  // the range is the dialog's check
  }
  if (a.has("erase-after")) {
    r.eraseAfterPlaying = 1;
  }
  if (auto message = a.value("message")) {
    r.setMessage(*message);
  }
  return applySchedule(a, r);
}

int setAlarm(CliArgs& a, NoteEntry& note, std::int64_t now) {
  IniSettingsStore settings;
  AlarmRecord record = note.alarm ? *note.alarm : AlarmTemplate::forNewAlarm(settings, now);
  if (const std::string error = applyOptions(a, record); !error.empty()) {
    return usageError(error, kUsage);
  }
  if (auto refusal = AlarmDialogRules::check(record, now, StringTable::active())) {
    return userError(*refusal);
  }
  AlarmTemplate::write(settings, record);
  if (!NoteAlarms::save(note, record, true, now)) {
    return userError("Unable to write the alarm file " + note.alarmPath + ".");
  }
  std::printf("%s\t%s\t%d\t%s\n", note.path.c_str(), alarmStateName(note.alarm->state),
              static_cast<int>(note.alarm->nextTime),
              LocalTime::format(note.alarm->nextTime).c_str());
  return kExitOk;
}

int runAlarm(const std::vector<std::string>& args) {
  CliArgs a;
  if (!a.parse(args,
               {"at", "once", "weekly", "monthly-day", "monthly-nth", "weekday", "months", "tone",
                "popup", "replay", "message"},
               {"erase-after"})) {
    return usageError(a.error(), kUsage);
  }
  const auto& pos = a.positional();
  if (pos.size() != 2 || (pos[0] != "set" && pos[0] != "rm")) {
    return usageError("alarm takes set or rm and one note", kUsage);
  }
  if (pos[0] == "rm" && args.size() != 2) {
    return usageError("alarm rm takes only the note", kUsage);
  }
  std::error_code ec;
  if (!std::filesystem::is_regular_file(pos[1], ec)) {
    return userError("Unable to open the note file.");
  }
  NoteEntry note;
  note.path = pos[1];
  const std::int64_t now = SystemClock().now();
  NoteAlarms::load(note, now);
  if (pos[0] == "rm") {
    if (!NoteAlarms::remove(note)) {
      return userError("Unable to delete the alarm file.");
    }
    return kExitOk;
  }
  return setAlarm(a, note, now);
}

const CliVerbRegistration kAlarm({"alarm", kUsage, &runAlarm});

}  // namespace
}  // namespace qp::cli
