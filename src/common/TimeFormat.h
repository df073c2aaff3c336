#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qp::TimeFormat {

// Formats the local time of unixSeconds (seconds from the Unix epoch) with a strftime
// format in the C library's current time locale. "%#c" stands for the long date-and-time form
// of that locale (the "%c" form with full weekday and month names). Empty when the time cannot
// be converted.
std::string formatLocal(std::int64_t unixSeconds, std::string_view format);

// The "%c" form with "%a"/"%b" spelled out in full, for the current time locale.
std::string longDateTimeFormat();

// Puts the C library's time, collation and character-type locale to the user's (LC_ALL,
// LC_TIME, ... LANG), as the program does at start-up. Safe to call more than once.
void useUserLocale();

}  // namespace qp::TimeFormat
