#pragma once

#include "export/WmaTranscoder.h"

namespace qp {

// WAV to WMA (version 2 in an ASF file) and any WMA to 16-bit PCM WAV over FFmpeg's
// libavformat, libavcodec and libswresample. Available when the WMA encoder, the WMA decoder,
// the ASF muxer and demuxer and the WAV demuxer are all present (probed at construction).
// The decoded wave file is written as a note file (WaveFileWriter).
class FfmpegWmaTranscoder final : public WmaTranscoder {
 public:
  FfmpegWmaTranscoder();

  bool available() const override { return available_; }
  bool wavToWma(const std::string& source, const std::string& target,
                std::uint32_t bitRate) override;
  bool wmaToWav(const std::string& source, const std::string& target) override;

 private:
  bool available_ = false;
};

}  // namespace qp
