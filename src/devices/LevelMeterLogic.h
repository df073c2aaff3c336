#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace qp {

// What a level meter shows: which of its S segments is lit for the peak of the last block of
// 16-bit samples. Segment 0 means silence (or a cleared meter); a full-scale peak lights
// segment S - 1. The worker threads set it, the window reads it when it paints: both calls are
// safe from any thread. The skinned control (drawing) belongs to the window.
class LevelMeterLogic {
 public:
  // segments: S, from the skin; a meter of fewer than 2 segments always shows segment 0.
  explicit LevelMeterLogic(int segments);

  // Lights the segment of a peak (0 .. 32768); SetLevel(-1) clears the meter. True when the
  // lit segment changed, so the window has to redraw.
  bool SetLevel(int peak);
  // The largest absolute sample of a block (0 for an empty block) as the level.
  bool SetBlock(const std::int16_t* samples, std::size_t count);

  int segments() const { return segments_; }
  int segment() const { return segment_.load(std::memory_order_relaxed); }

  static int segmentFor(int peak, int segments);
  static int peakOf(const std::int16_t* samples, std::size_t count);

 private:
  int segments_;
  std::atomic<int> segment_{0};
};

}  // namespace qp
