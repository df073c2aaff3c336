#include "alarms/LocalTime.h"

#include <cstdio>
#include <ctime>
#include <limits>

namespace qp {
namespace {

bool fitsInt(std::int64_t v) {
  return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
}

}  // namespace

LocalDateTime LocalTime::fromTime(std::int64_t time) {
  const std::time_t t = static_cast<std::time_t>(time);
  std::tm tm{};
  LocalDateTime out;
  if (localtime_r(&t, &tm) == nullptr) {
    return out;
  }
  out.year = tm.tm_year + 1900;
  out.month = tm.tm_mon + 1;
  out.day = tm.tm_mday;
  out.hour = tm.tm_hour;
  out.minute = tm.tm_min;
  out.second = tm.tm_sec;
  out.weekday = tm.tm_wday;
  return out;
}

std::optional<std::int64_t> LocalTime::midnight(int year, int month, int day) {
  const std::int64_t tmYear = static_cast<std::int64_t>(year) - 1900;
  if (!fitsInt(tmYear)) {
    return std::nullopt;
  }
  std::tm tm{};
  tm.tm_year = static_cast<int>(tmYear);
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_isdst = -1;
  tm.tm_wday = -1;  // mktime sets it on success; -1 is also a valid time value
  const std::time_t t = std::mktime(&tm);
  if (tm.tm_wday < 0) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(t);
}

std::optional<std::int64_t> LocalTime::midnightOf(std::int64_t time) {
  const LocalDateTime d = fromTime(time);
  return midnight(d.year, d.month, d.day);
}

bool LocalTime::sameDate(std::int64_t a, std::int64_t b) {
  const LocalDateTime da = fromTime(a);
  const LocalDateTime db = fromTime(b);
  return da.year == db.year && da.month == db.month && da.day == db.day;
}

std::int64_t LocalTime::secondsSinceMidnight(std::int64_t time) {
  const std::optional<std::int64_t> m = midnightOf(time);
  return m ? time - *m : 0;
}

std::string LocalTime::format(std::int64_t time) {
  const LocalDateTime d = fromTime(time);
  char out[64];
  const int n = std::snprintf(out, sizeof out, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month,
                              d.day, d.hour, d.minute, d.second);
  return std::string(out, n > 0 ? static_cast<std::size_t>(n) : 0);
}

}  // namespace qp
