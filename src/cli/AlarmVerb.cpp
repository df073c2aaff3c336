// quillophone-cli alarm set NOTE [options] | alarm rm NOTE: sets a note's alarm as the alarm
// dialog's "Set Alarm" does (unspecified fields from the note's alarm, else the template, else
// the defaults; the dialog's checks with its messages; the template is written), or disables
// it. `set` prints the alarm as `alarms` lists it. Unlike the dialog, which starts from the
// last alarm's schedule, a missing schedule option means a one-time alarm at the next --at.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "alarms/AlarmDialogRules.h"
#include "alarms/AlarmTemplate.h"
#include "alarms/LocalTime.h"
#include "cli/CliArgs.h"
#include "cli/CliMessages.h"
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

// Reads a decimal number of at most `width` characters (sign included) at `pos`, after
// optional white space, and moves `pos` past it; nothing when no digit is there.
std::optional<int> readNumber(const std::string& text, std::size_t& pos, std::size_t width) {
  while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])) != 0) {
    ++pos;
  }
  const std::string field = text.substr(pos, width);
  char* end = nullptr;
  const long value = std::strtol(field.c_str(), &end, 10);  // width <= 4: no overflow
  if (end == field.c_str()) {
    return std::nullopt;
  }
  pos += static_cast<std::size_t>(end - field.c_str());
  return static_cast<int>(value);
}

// Moves `pos` past `separator` when it is the next character.
bool readSeparator(const std::string& text, std::size_t& pos, char separator) {
  if (pos < text.size() && text[pos] == separator) {
    ++pos;
    return true;
  }
  return false;
}

bool parseTime(const std::string& text, AlarmRecord& r) {
  std::size_t pos = 0;
  const std::optional<int> h = readNumber(text, pos, 2);
  const std::optional<int> m =
      h && readSeparator(text, pos, ':') ? readNumber(text, pos, 2) : std::nullopt;
  if (!m) {
    return false;
  }
  std::optional<int> s;
  std::size_t afterSeconds = pos;
  if (readSeparator(text, afterSeconds, ':')) {
    s = readNumber(text, afterSeconds, 2);
    if (s) {
      pos = afterSeconds;
    }
  }
  const int sec = s.value_or(0);
  if (pos != text.size() || *h < 0 || *h > 23 || *m < 0 || *m > 59 || sec < 0 || sec > 59) {
    return false;
  }
  r.hour = *h;
  r.minute = *m;
  r.second = sec;
  return true;
}

std::optional<std::int32_t> parseDate(const std::string& text) {
  std::size_t pos = 0;
  const std::optional<int> year = readNumber(text, pos, 4);
  const std::optional<int> month =
      year && readSeparator(text, pos, '-') ? readNumber(text, pos, 2) : std::nullopt;
  const std::optional<int> day =
      month && readSeparator(text, pos, '-') ? readNumber(text, pos, 2) : std::nullopt;
  if (!day || pos != text.size() || *month < 1 || *month > 12 || *day < 1) {
    return std::nullopt;
  }
  const int y = *year;
  const int mo = *month;
  const int d = *day;
  const std::optional<std::int64_t> midnight = LocalTime::midnight(y, mo, d);
  if (!midnight || LocalTime::fromTime(*midnight).day != d) {
    return std::nullopt;  // 2026-02-30 and the like
  }
  return static_cast<std::int32_t>(*midnight);
}

int scheduleOptions(const CliArgs& a) {
  int schedules = 0;
  for (const char* name : {"once", "weekly", "monthly-day", "monthly-nth"}) {
    schedules += a.value(name) ? 1 : 0;
  }
  return schedules;
}

// A one-time alarm today at the record's time, or tomorrow when that has passed.
void onceAtTheNextTime(AlarmRecord& r, std::int64_t now) {
  const LocalDateTime today = LocalTime::fromTime(now);
  r.schedule = AlarmRecord::kOneTime;
  for (int day = today.day; day <= today.day + 1; ++day) {
    const auto midnight = LocalTime::midnight(today.year, today.month, day);
    r.playOnDate = static_cast<std::int32_t>(midnight.value_or(now));
    if (AlarmDialogRules::scheduleMessageId(r, now) == 0) {
      return;
    }
  }
}

// Applies the schedule options; an error text for bad usage, empty when fine.
std::string applySchedule(CliArgs& a, AlarmRecord& r) {
  const int schedules = scheduleOptions(a);
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
      !a.intValue("replay", AlarmDialogRules::kMinReplayMinutes,
                  AlarmDialogRules::kMaxReplayMinutes, replay)) {
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
    r.replayMinutes = static_cast<std::int32_t>(*replay);
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
  if (scheduleOptions(a) == 0) {
    onceAtTheNextTime(record, now);
  }
  if (a.value("monthly-day") && (record.dayOfMonth < AlarmDialogRules::kMinDay ||
                                 record.dayOfMonth > AlarmDialogRules::kMaxDay)) {
    return fileError(note.path, "--monthly-day must be a day of the month from 1 to 31");
  }
  if (auto refusal = AlarmDialogRules::check(record, now, StringTable::active())) {
    const TerminalMessage message = terminalMessage(*refusal);
    return fileError(note.path, message.text);
  }
  AlarmTemplate::write(settings, record);
  if (!NoteAlarms::save(note, record, true, now)) {
    return fileError(note.alarmPath, "the alarm file could not be written");
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
    return fileError(pos[1],
                     std::filesystem::exists(pos[1], ec) ? "not a note file" : "no such note file");
  }
  NoteEntry note;
  note.path = pos[1];
  const std::int64_t now = SystemClock().now();
  NoteAlarms::load(note, now);
  if (pos[0] == "rm") {
    if (!NoteAlarms::remove(note)) {
      return fileError(note.alarmPath, "the alarm file could not be deleted");
    }
    return kExitOk;
  }
  return setAlarm(a, note, now);
}

const CliVerbRegistration kAlarm({"alarm", kUsage, &runAlarm});

const CliHelpRegistration kAlarmHelp(
    "alarm", R"(Sets or removes the alarm of a note (an NOTE.alm file beside it); alarms ring while
quillophone-cli alarms --watch (or the program) runs. Options not given keep the note's
alarm; a new alarm starts from the last alarm set (tone, popup, replay) at the next full
hour, but never from its schedule.

  --at HH:MM[:SS]          the time of day (24-hour clock)
  (no schedule option)     the alarm rings once, today at its time, or tomorrow when that
                           time has passed
  --once YYYY-MM-DD        rings once, on that date
  --weekly sun,mon,...     rings every week on those days
  --monthly-day D          rings on day D (1 to 31) of the --months given
  --monthly-nth first|second|third|fourth|last --weekday sun..sat
                           rings on that weekday of the --months given
  --months jan,feb,...     the months of a monthly alarm
  --tone 0|1               1: the alarm tone sounds before the note plays
  --popup 0|1              1: a popup shows the alarm until it is closed or snoozed
  --replay MINUTES         while the popup is open, plays the note again every 1 to 60
                           minutes (three times at most)
  --erase-after            erases the note once its alarm has played
  --message TEXT           text of the popup (at most 99 characters)
  rm NOTE                  removes the note's alarm; the note stays
)");

}  // namespace
}  // namespace qp::cli
