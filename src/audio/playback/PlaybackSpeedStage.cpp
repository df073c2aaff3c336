#include "audio/playback/PlaybackSpeedStage.h"

#include <algorithm>
#include <cstring>

#include "dsp/PlaybackSpeed.h"

namespace qp {

PlaybackSpeedStage::PlaybackSpeedStage(std::uint32_t sampleRate, std::uint16_t channels,
                                       std::uint32_t maxFrames)
    : sampleRate_(sampleRate),
      channels_(std::clamp<std::uint16_t>(channels, 1, 2)),
      channelIn_(maxFrames),
      channelOut_(2 * std::size_t{maxFrames}) {
  for (int c = 0; c < channels_; ++c) {
    adjusters_[c] = std::make_unique<dsp::CRateAdjuster>();
    adjusters_[c]->SetFilterAlways(true);
    decimators_[c] = std::make_unique<dsp::CHalfRateDecimator>();
  }
}

std::uint32_t PlaybackSpeedStage::process(const std::int16_t* in, std::uint32_t frames, bool halve,
                                          int speed, std::int16_t* out) {
  if (!halve && speed == 0) {
    std::memcpy(out, in, std::size_t{frames} * channels_ * sizeof(std::int16_t));
    return frames;
  }
  if (!halve && speed != configured_) {
    for (int c = 0; c < channels_; ++c) {
      adjusters_[c]->Configure(static_cast<int>(sampleRate_),
                               dsp::PlaybackSpeed::CycleLength(speed));
    }
    configured_ = speed;
  }
  const int count = static_cast<int>(frames);
  int produced = 0;
  for (int c = 0; c < channels_; ++c) {
    for (int i = 0; i < count; ++i) {
      channelIn_[i] = in[i * channels_ + c];
    }
    produced =
        halve ? decimators_[c]->Process(channelIn_.data(), count, channelOut_.data(), count)
              : adjusters_[c]->Process(channelIn_.data(), count, channelOut_.data(), 2 * count);
    for (int i = 0; i < produced; ++i) {
      out[i * channels_ + c] = channelOut_[i];
    }
  }
  return static_cast<std::uint32_t>(produced);
}

}  // namespace qp
