#pragma once

#include <cstdint>
#include <optional>

#include "alarms/AlarmRecord.h"

namespace qp {

// The date arithmetic of alarms. All dates and times of day are local (the process's TZ);
// "now" is a time value (seconds from the Unix epoch) from the caller's Clock.
struct AlarmRecurrence {
  // Midnight of the ordinal-th given weekday of a month: weekday 1 Sunday ... 7 Saturday,
  // ordinal 0 First ... 3 Fourth, 4 Last (the fifth occurrence when the month has one, else
  // the fourth). Nothing for arguments outside those ranges.
  static std::optional<std::int64_t> nthWeekdayOfMonth(int year, int month, int weekday,
                                                       int ordinal);

  // Sets record.nextTime to the coming occurrence, or 0 if the alarm has none, and state to Unset,
  // except that a Snoozed record whose snoozeUntil is still ahead keeps its state and gets
  // nextTime = snoozeUntil. A one-time alarm gets its occurrence even when it has passed.
  static void nextOccurrence(AlarmRecord& record, std::int64_t now);

  // Recomputes nextTime and state; true when the state differs from what it was.
  static bool updateState(AlarmRecord& record, std::int64_t now);

  // Moves candidate by whole hours so that its local hour becomes hour, the shorter way
  // round the clock: repairs a time of day that a daylight-saving change shifted.
  static std::int64_t correctDaylightSaving(std::int64_t candidate, int hour);
};

}  // namespace qp
