// Feeds arbitrary bytes to WaveFileReader as a file: open, reads from the start and from an
// offset taken from the input, and close twice. Nothing may crash, hang or read out of bounds.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "audio/wave/WaveFileReader.h"

namespace {

const std::string& scratchPath() {
  // Memory-backed when the system has it: the reader is fed through real file I/O.
  static const std::string dir = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  static const std::string path = dir + "/qp-fuzz-wave-" + std::to_string(::getpid()) + ".wav";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(scratchPath().c_str(), "wb");
  if (f == nullptr) {
    return 0;
  }
  std::fwrite(data, 1, size, f);
  std::fclose(f);

  qp::WaveFileReader reader;
  if (reader.open(scratchPath())) {
    std::vector<std::uint8_t> buffer(4096);
    std::uint64_t total = 0;
    while (const auto n = reader.read(buffer.data(), 4096)) {
      total += n;
    }
    if (total > reader.dataSize()) {
      __builtin_trap();
    }
    const std::uint32_t skip = size > 0 ? data[0] * 4u : 0;
    if (reader.startDataRead(skip)) {
      reader.read(buffer.data(), 1000);
    }
  }
  reader.close();
  reader.close();
  std::remove(scratchPath().c_str());
  return 0;
}
