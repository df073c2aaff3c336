#pragma once

// Builds notes directory trees on disk for the library tests: files with chosen contents and
// last-write times, and the enumeration order the file system gives a directory.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace qp::test {

// A fixed base time value (2026-03-02 10:00:00 UTC) for last-write times.
inline constexpr std::int64_t kBaseTime = 1772445600;

inline void writeFileAt(const std::filesystem::path& path, std::size_t bytes,
                        std::int64_t unixSeconds = kBaseTime) {
  std::filesystem::create_directories(path.parent_path());
  writeFileBytes(path.string(), std::vector<std::uint8_t>(bytes, 0x11));
  const auto sys = std::chrono::system_clock::time_point(std::chrono::seconds(unixSeconds));
  std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(sys));
}

// File names of a directory in the order the file system enumerates them.
inline std::vector<std::string> enumerationOrder(const std::filesystem::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

}  // namespace qp::test
