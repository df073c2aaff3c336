#include "devices/LevelMeterLogic.h"

#include <algorithm>
#include <cstdlib>

namespace qp {
namespace {

constexpr int kFullScale = 32767;

}  // namespace

LevelMeterLogic::LevelMeterLogic(int segments) : segments_(segments) {}

int LevelMeterLogic::segmentFor(int peak, int segments) {
  if (peak <= 0 || segments < 2) {
    return 0;
  }
  const int width = kFullScale / (segments - 1);
  return std::min(peak / width + 1, segments - 1);
}

int LevelMeterLogic::peakOf(const std::int16_t* samples, std::size_t count) {
  int peak = 0;
  for (std::size_t i = 0; i < count; ++i) {
    peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
  }
  return peak;
}

bool LevelMeterLogic::SetLevel(int peak) {
  const int next = segmentFor(peak, segments_);
  return segment_.exchange(next, std::memory_order_relaxed) != next;
}

bool LevelMeterLogic::SetBlock(const std::int16_t* samples, std::size_t count) {
  return SetLevel(peakOf(samples, count));
}

}  // namespace qp
