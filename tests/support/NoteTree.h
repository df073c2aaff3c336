#pragma once

// Builds notes directory trees on disk for the library tests: files with chosen contents and
// last-write times, and the enumeration order the file system gives a directory.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace qp::test {

// A fixed base time value (2026-03-02 10:00:00 UTC) for last-write times.
inline constexpr std::int64_t kBaseTime = 1772445600;

// A file of `bytes` bytes (its folders made as needed) last written at unixSeconds.
void writeFileAt(const std::filesystem::path& path, std::size_t bytes,
                 std::int64_t unixSeconds = kBaseTime);

// File names of a directory in the order the file system enumerates them.
std::vector<std::string> enumerationOrder(const std::filesystem::path& directory);

}  // namespace qp::test
