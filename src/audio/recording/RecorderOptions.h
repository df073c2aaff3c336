#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "audio/wave/WaveFileWriter.h"

namespace qp {

// Settings of a recorder that are fixed in the program and replaced only by tests.
struct RecorderOptions {
  std::uint32_t bufferWaitMs = 1000;  // one wait for a capture buffer
  int waitLimit = 3;                  // time-outs for one buffer before the recording ends
  std::uint64_t maxDataBytes = WaveFileWriter::kMaxDataBytes;
  // Ends the recording quietly once this many bytes were recorded (0: no limit; the command
  // line's --seconds).
  std::uint64_t stopAfterBytes = 0;
  // Makes the writer of each recording (tests: one over a file that fails like a full disk).
  std::function<std::unique_ptr<WaveFileWriter>()> makeWriter = [] {
    return std::make_unique<WaveFileWriter>();
  };
};

}  // namespace qp
