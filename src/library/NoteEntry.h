#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "alarms/AlarmRecord.h"

namespace qp {

// One note of a NoteList: a wave file with its names, time, size and side files.
struct NoteEntry {
  // Seconds between 1601-01-01 (file times) and 1970-01-01 (time values).
  static constexpr std::uint64_t kUnixEpochAsFileTime = 116444736000000000ULL;

  std::string path;                  // full path of the wave file
  std::string displayName;           // shown in lists and dialogs
  std::string plainName;             // names e-mail attachments
  std::uint64_t writeTime = 0;       // last write, 100-ns units since 1601-01-01 UTC
  std::uint32_t size = 0;            // file length in bytes (held to 32 bits)
  std::optional<AlarmRecord> alarm;  // present exactly when alarmPath is set
  std::string alarmPath;             // the alarm file, or empty
  std::string companionPath;         // the converted companion file, or empty

  bool hasAlarm() const { return alarm.has_value(); }
  // Seconds since 1970 of writeTime (rounded down).
  std::int64_t writeTimeSeconds() const {
    return static_cast<std::int64_t>(writeTime / 10000000ULL) -
           static_cast<std::int64_t>(kUnixEpochAsFileTime / 10000000ULL);
  }
  // The path without its last three characters ("Memo." for "Memo.wav").
  std::string basePath() const { return path.size() >= 3 ? path.substr(0, path.size() - 3) : ""; }
  // The file name without directory.
  std::string fileName() const {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
  }
};

}  // namespace qp
