#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "dsp/CHalfRateDecimator.h"
#include "dsp/CRateAdjuster.h"

namespace qp {

// The speed step of the player: halves a chunk (fast forward and fast reverse), or runs it
// through the rate adjuster at the speed position, or passes it on unchanged (position 0).
// A stereo note gets one adjuster and one decimator per channel, so the channels never mix.
// Created by the playback thread for one run; allocates at construction only.
class PlaybackSpeedStage {
 public:
  // maxFrames: the most frames one chunk holds.
  PlaybackSpeedStage(std::uint32_t sampleRate, std::uint16_t channels, std::uint32_t maxFrames);

  // Processes frames interleaved frames of in; returns the interleaved output frames in
  // out (room for 2 x maxFrames frames). halve: the 2:1 decimator; otherwise speed position.
  std::uint32_t process(const std::int16_t* in, std::uint32_t frames, bool halve, int speed,
                        std::int16_t* out);
  // The position the rate adjuster was last configured with (0: never).
  int configuredSpeed() const { return configured_; }

 private:
  std::uint32_t sampleRate_;
  std::uint16_t channels_;
  std::unique_ptr<dsp::CRateAdjuster> adjusters_[2];
  std::unique_ptr<dsp::CHalfRateDecimator> decimators_[2];
  std::vector<std::int16_t> channelIn_;
  std::vector<std::int16_t> channelOut_;
  int configured_ = 0;
};

}  // namespace qp
