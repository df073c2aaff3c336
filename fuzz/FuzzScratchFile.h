#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace qp::fuzz {

// A file of this process for feeding inputs through real file I/O: memory-backed when the
// system has /dev/shm. Each call with a new tag gives another name.
inline std::string scratchPath(const std::string& tag) {
  static const std::string dir = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  return dir + "/qp-fuzz-" + tag + "-" + std::to_string(::getpid());
}

// Writes the bytes to path; false when the file cannot be written.
inline bool writeScratch(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) {
    return false;
  }
  const bool ok = std::fwrite(data, 1, size, f) == size;
  return std::fclose(f) == 0 && ok;
}

}  // namespace qp::fuzz
