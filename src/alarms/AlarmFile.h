#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "alarms/AlarmRecord.h"

namespace qp {

// The alarm file beside a note, holding one AlarmRecord. Its path is the note's path minus the
// last three characters (normally "wav") plus "alm".
struct AlarmFile {
  static std::string pathForNote(std::string_view notePath);

  // Reads the alarm at alarmPath and brings its state up to date for now:
  // - 240 bytes or more: a current record (only the first 244 bytes count); rewritten as
  //   244 bytes when its state changed;
  // - exactly 232 or 236 bytes: a legacy record, converted and always rewritten as 244 bytes;
  // - anything else, or a file that cannot be read: no alarm, and the file stays as it is.
  // A rewrite that fails leaves the file as it was; the alarm is still returned.
  static std::optional<AlarmRecord> load(const std::string& alarmPath, std::int64_t now);

  // Creates or truncates alarmPath and writes the 244 bytes; false when that fails.
  static bool save(const std::string& alarmPath, const AlarmRecord& record);

  // Deletes the file; true when it is gone afterwards (also when it never existed).
  static bool remove(const std::string& alarmPath);
};

}  // namespace qp
