#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/FfmpegHandles.h"

namespace qp {

// The first audio stream of a media file, decoded frame by frame and converted to one sample
// format, channel count and rate of the caller's choice. One file per object.
class FfmpegAudioSource {
 public:
  // Receives converted samples: planes as the target format lays them out, frames per channel.
  using Sink = std::function<bool(const std::uint8_t* const* planes, int frames)>;

  // Opens the file and its decoder; false when it has no decodable audio stream.
  bool open(const std::string& path);

  // The decoded stream as it is.
  int sampleRate() const { return decoder_->sample_rate; }
  int channels() const { return decoder_->ch_layout.nb_channels; }

  // Decodes everything, converting to format with `channels` channels (a default layout) at
  // the source's rate, and hands each piece to sink; stops with false when decoding fails or
  // sink returns false. Converter state is drained at the end.
  bool decode(AVSampleFormat format, int channels, const Sink& sink);

 private:
  bool deliver(const AVFrame* frame, const Sink& sink);
  bool reserve(int frames);
  bool receiveAll(const Sink& sink);

  AvInputPtr input_;
  AvCodecPtr decoder_;
  SwrPtr resampler_;
  AvFramePtr frame_;
  int streamIndex_ = -1;
  AvFramePtr converted_;  // output buffer, grown as needed
  AVSampleFormat outFormat_ = AV_SAMPLE_FMT_S16;
  int outChannels_ = 1;
};

}  // namespace qp
