#pragma once

#include <cstdint>
#include <string>

namespace qp {

// The media work under CWmaConverter: WAV to WMA and WMA to WAV, file to file, synchronous.
// platform/FfmpegWmaTranscoder implements it; tests use fakes. Not thread-safe.
class WmaTranscoder {
 public:
  virtual ~WmaTranscoder() = default;

  // True when every component the two conversions need is present (probed once).
  virtual bool available() const = 0;
  // Encodes the audio of a wave file as WMA version 2 in an ASF file at bitRate (bit/s),
  // keeping channels (at most 2) and sample rate. False on any failure; a partial target may
  // remain.
  virtual bool wavToWma(const std::string& source, const std::string& target,
                        std::uint32_t bitRate) = 0;
  // Decodes any WMA (or other ASF audio) file into a 16-bit PCM wave file with the source's
  // sample rate and channels (more than 2 are mixed down to 2).
  virtual bool wmaToWav(const std::string& source, const std::string& target) = 0;
};

}  // namespace qp
