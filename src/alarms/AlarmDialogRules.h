#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "alarms/AlarmRecord.h"
#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp {

// What the alarm dialog's "Set Alarm" checks before it accepts a record, in this order: the
// replay minutes (1 to 60) and the day of the month (1 to 31) with the framework's range
// message, then the schedule: a one-time alarm must not lie in the past (string 99), a weekly
// one needs a weekday (101), a monthly one a month (102).
struct AlarmDialogRules {
  static constexpr int kMinReplayMinutes = 1;
  static constexpr int kMaxReplayMinutes = 60;
  static constexpr int kMinDay = 1;
  static constexpr int kMaxDay = 31;
  static constexpr int kPassedMessage = StringId::kAlarmPassed;
  static constexpr int kNoWeekdayMessage = StringId::kNoWeekdayChosen;
  static constexpr int kNoMonthMessage = StringId::kNoMonthChosen;

  // "Please enter an integer between MIN and MAX." (in strings' language); nothing when value
  // lies in the range.
  static std::optional<std::string> rangeMessage(
      long value, long min, long max, const StringTable& strings = StringTable::active());
  // The string id refusing the schedule, or 0 when it is acceptable. A one-time alarm is
  // checked at the record's time of day on playOnDate's date.
  static int scheduleMessageId(const AlarmRecord& record, std::int64_t now);
  // The first refusal's text, or nothing when "Set Alarm" may go on.
  static std::optional<std::string> check(const AlarmRecord& record, std::int64_t now,
                                          const StringTable& strings);
};

}  // namespace qp
