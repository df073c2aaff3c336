#include "alarms/AlarmRecurrence.h"

#include <algorithm>
#include <limits>

#include "alarms/LocalTime.h"

namespace qp {
namespace {

constexpr std::int64_t kDay = std::int64_t{24} * 3600;
constexpr std::int64_t kWeek = 7 * kDay;

bool validTimeOfDay(const AlarmRecord& r) {
  return r.hour >= 0 && r.hour <= 23 && r.minute >= 0 && r.minute <= 59 && r.second >= 0 &&
         r.second <= 59;
}

std::int32_t toTimeValue(std::int64_t t) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      t, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::optional<std::int64_t> oneTime(const AlarmRecord& r, std::int64_t secs) {
  const std::optional<std::int64_t> day = LocalTime::midnightOf(r.playOnDate);
  if (!day) {
    return std::nullopt;
  }
  return AlarmRecurrence::correctDaylightSaving(*day + secs, r.hour);
}

std::optional<std::int64_t> weekly(const AlarmRecord& r, std::int64_t now, std::int64_t secs) {
  const LocalDateTime today = LocalTime::fromTime(now);
  const std::optional<std::int64_t> midnight = LocalTime::midnightOf(now);
  if (!midnight) {
    return std::nullopt;
  }
  std::optional<std::int64_t> next;
  for (int k = 0; k < 7; ++k) {
    if (r.weekdays[static_cast<std::size_t>((today.weekday + k) % 7)] == 0) {
      continue;
    }
    const std::int64_t candidate =
        AlarmRecurrence::correctDaylightSaving(*midnight + k * kDay + secs, r.hour);
    if (candidate > now) {
      return candidate;
    }
    if (!next) {  // today's time has passed: the same weekday next week
      next = AlarmRecurrence::correctDaylightSaving(*midnight + kWeek + secs, r.hour);
    }
  }
  return next;
}

// Midnight of the day a monthly alarm names in the given month; nothing when it names none.
std::optional<std::int64_t> monthlyDay(const AlarmRecord& r, int year, int month) {
  if (r.monthlyMode == AlarmRecord::kDayOfMonth) {
    if (r.dayOfMonth < 1 || r.dayOfMonth > 31) {
      return std::nullopt;
    }
    return LocalTime::midnight(year, month, r.dayOfMonth);  // day 31 of April is 1 May
  }
  if (r.monthlyMode == AlarmRecord::kNthWeekday && r.weekday >= 0 && r.weekday <= 6) {
    return AlarmRecurrence::nthWeekdayOfMonth(year, month, r.weekday + 1, r.ordinal);
  }
  return std::nullopt;
}

std::optional<std::int64_t> monthly(const AlarmRecord& r, std::int64_t now, std::int64_t secs) {
  const LocalDateTime today = LocalTime::fromTime(now);
  std::optional<std::int64_t> next;
  for (int i = 0; i < 12; ++i) {
    const int index = (today.month - 1 + i) % 12;
    const int year = today.year + (today.month - 1 + i) / 12;
    if (r.months[static_cast<std::size_t>(index)] == 0) {
      continue;
    }
    const std::optional<std::int64_t> day = monthlyDay(r, year, index + 1);
    if (!day) {
      continue;
    }
    const std::int64_t candidate = AlarmRecurrence::correctDaylightSaving(*day + secs, r.hour);
    if (candidate > now) {
      return candidate;
    }
    if (!next) {  // this month's day has passed: the same month next year
      if (const std::optional<std::int64_t> later = monthlyDay(r, year + 1, index + 1)) {
        next = AlarmRecurrence::correctDaylightSaving(*later + secs, r.hour);
      }
    }
  }
  return next;
}

}  // namespace

std::optional<std::int64_t> AlarmRecurrence::nthWeekdayOfMonth(int year, int month, int weekday,
                                                               int ordinal) {
  if (weekday < 1 || weekday > 7 || ordinal < 0 || ordinal > 4 || month < 1 || month > 12) {
    return std::nullopt;
  }
  const std::optional<std::int64_t> first = LocalTime::midnight(year, month, 1);
  if (!first) {
    return std::nullopt;
  }
  const int firstWeekday = LocalTime::fromTime(*first).weekday + 1;
  const int d = 1 + (weekday - firstWeekday + 7) % 7;
  if (ordinal < 4) {
    return LocalTime::midnight(year, month, d + 7 * ordinal);
  }
  // Last: the fifth occurrence when the month reaches it, else the fourth. Counted in
  // calendar days, so a daylight-saving change in the last week cannot move it off its day.
  const std::optional<std::int64_t> fifth = LocalTime::midnight(year, month, d + 28);
  if (fifth && LocalTime::fromTime(*fifth).month == month) {
    return fifth;
  }
  return LocalTime::midnight(year, month, d + 21);
}

void AlarmRecurrence::nextOccurrence(AlarmRecord& record, std::int64_t now) {
  if (record.state == AlarmState::Snoozed && now < record.snoozeUntil) {
    record.nextTime = record.snoozeUntil;
    return;
  }
  record.state = AlarmState::Unset;
  record.nextTime = 0;
  if (!validTimeOfDay(record)) {
    return;
  }
  const std::int64_t secs = (record.hour * 60 + record.minute) * 60 + record.second;
  std::optional<std::int64_t> next;
  switch (record.schedule) {
    case AlarmRecord::kOneTime:
      next = oneTime(record, secs);
      break;
    case AlarmRecord::kWeekly:
      next = weekly(record, now, secs);
      break;
    case AlarmRecord::kMonthly:
      next = monthly(record, now, secs);
      break;
    default:
      break;
  }
  if (next) {
    record.nextTime = toTimeValue(*next);
  }
}

bool AlarmRecurrence::updateState(AlarmRecord& record, std::int64_t now) {
  const AlarmState previous = record.state;
  nextOccurrence(record, now);
  if (record.state == AlarmState::Snoozed) {
    return record.state != previous;
  }
  if (record.nextTime < now) {
    // A missed alarm stays Due until it has fired, however often it is loaded meanwhile.
    const bool wasArmed = previous == AlarmState::Pending || previous == AlarmState::Today ||
                          previous == AlarmState::Due;
    record.state = wasArmed ? AlarmState::Due : AlarmState::Inactive;
  } else {
    record.state =
        LocalTime::sameDate(record.nextTime, now) ? AlarmState::Today : AlarmState::Pending;
  }
  return record.state != previous;
}

std::int64_t AlarmRecurrence::correctDaylightSaving(std::int64_t candidate, int hour) {
  std::int64_t delta = hour - LocalTime::fromTime(candidate).hour;
  if (delta > 12) {
    delta -= 24;
  } else if (delta < -12) {
    delta += 24;
  }
  return candidate + delta * 3600;
}

}  // namespace qp
