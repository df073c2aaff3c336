#include "common/TimeFormat.h"

#include <langinfo.h>

#include <clocale>
#include <ctime>

namespace qp::TimeFormat {

std::string longDateTimeFormat() {
  std::string format = nl_langinfo(D_T_FMT);
  if (format.empty()) {
    format = "%a %b %e %H:%M:%S %Y";
  }
  std::string result;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      const char conversion = format[i + 1];
      result += '%';
      result += conversion == 'a'                          ? 'A'
                : (conversion == 'b' || conversion == 'h') ? 'B'
                                                           : conversion;
      ++i;
    } else {
      result += format[i];
    }
  }
  return result;
}

std::string formatLocal(std::int64_t unixSeconds, std::string_view format) {
  std::string pattern;
  for (std::size_t at = 0; at < format.size();) {
    if (format.substr(at, 3) == "%#c") {
      pattern += longDateTimeFormat();
      at += 3;
    } else {
      pattern += format[at++];
    }
  }
  const auto seconds = static_cast<std::time_t>(unixSeconds);
  std::tm local{};
  if (!localtime_r(&seconds, &local)) {
    return {};
  }
  char buffer[512];
  const std::size_t length = std::strftime(buffer, sizeof buffer, pattern.c_str(), &local);
  return std::string(buffer, length);
}

void useUserLocale() {
  std::setlocale(LC_TIME, "");
  std::setlocale(LC_COLLATE, "");
  std::setlocale(LC_CTYPE, "");
}

}  // namespace qp::TimeFormat
