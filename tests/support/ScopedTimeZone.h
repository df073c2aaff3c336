#pragma once

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace qp::test {

// Switches the process's local time zone (TZ) for the object's lifetime, e.g.
// ScopedTimeZone berlin("Europe/Berlin"); restores the previous setting afterwards.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) {
      previous_ = old;
    }
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (previous_) {
      setenv("TZ", previous_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::optional<std::string> previous_;
};

// The time value of a local date and time in the current zone (mktime, daylight saving
// decided by the zone).
inline std::int64_t localTimeValue(int year, int month, int day, int hour = 0, int minute = 0,
                                   int second = 0) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  tm.tm_isdst = -1;
  return static_cast<std::int64_t>(std::mktime(&tm));
}

}  // namespace qp::test
