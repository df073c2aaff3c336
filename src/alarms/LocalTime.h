#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qp {

// Calendar fields of a time value in the process's local time zone (TZ).
struct LocalDateTime {
  int year = 1970;
  int month = 1;  // 1 to 12
  int day = 1;    // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int weekday = 4;  // 0 Sunday ... 6 Saturday
};

// Conversions between time values (seconds from the Unix epoch) and local time, using the C
// library's normalising conversion: a day beyond a month's last carries over into the following
// month.
struct LocalTime {
  static LocalDateTime fromTime(std::int64_t time);

  // Midnight (00:00:00 local) of the given date, normalised; a midnight that does not exist
  // because the clocks jump forward there becomes the first instant after the jump. Nothing
  // when the date cannot be represented.
  static std::optional<std::int64_t> midnight(int year, int month, int day);
  // Midnight of the local date of a time value.
  static std::optional<std::int64_t> midnightOf(std::int64_t time);

  static bool sameDate(std::int64_t a, std::int64_t b);
  // Seconds since the local midnight of the day of time (0 to 86399 on ordinary days).
  static std::int64_t secondsSinceMidnight(std::int64_t time);
  // "YYYY-MM-DD HH:MM:SS" in local time.
  static std::string format(std::int64_t time);
};

}  // namespace qp
