#include "audio/playback/GraphDelayLine.h"

namespace qp {

GraphDelayLine::GraphDelayLine(std::uint32_t maxFrames) {
  for (Chunk& stage : stages_) {
    stage.samples.reserve(maxFrames);
  }
}

const GraphDelayLine::Chunk* GraphDelayLine::push(const std::int16_t* samples, std::uint32_t frames,
                                                  std::uint16_t channels, bool backwards) {
  Chunk& slot = stages_[(head_ + count_) % stages_.size()];
  slot.samples.resize(frames);
  for (std::uint32_t i = 0; i < frames; ++i) {
    if (channels == 2) {
      const int sum = samples[std::size_t{2} * i] + samples[std::size_t{2} * i + 1];
      slot.samples[i] = static_cast<std::int16_t>(sum / 2);
    } else {
      slot.samples[i] = samples[std::size_t{i} * channels];
    }
  }
  slot.backwards = backwards;
  ++count_;
  return count_ > kStages ? pop() : nullptr;
}

const GraphDelayLine::Chunk* GraphDelayLine::pop() {
  if (count_ == 0) {
    return nullptr;
  }
  const Chunk* oldest = &stages_[head_];
  head_ = (head_ + 1) % static_cast<int>(stages_.size());
  --count_;
  return oldest;
}

void GraphDelayLine::clear() {
  head_ = 0;
  count_ = 0;
}

}  // namespace qp
