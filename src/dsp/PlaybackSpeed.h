#pragma once

#include <array>

namespace qp::dsp {

// The player's speed positions (the speed slider, -19 .. 19, 0 = normal speed) and the cycle
// length each hands to CRateAdjuster::Configure. Negative positions drop a sample per cycle
// (faster, up to twice the speed at -19); positive ones insert one (slower, down to two
// thirds at 19).
struct PlaybackSpeed {
  static constexpr int kMinPosition = -19;
  static constexpr int kMaxPosition = 19;
  // Indexed by |position|; entry 0 is never used (position 0 means no speed processing).
  static constexpr std::array<int, 20> kCycleLengths = {111, 100, 52, 34, 26, 21, 17, 15, 13, 12,
                                                        11,  10,  9,  8,  7,  6,  5,  4,  3,  2};

  // The signed cycle length for a position: +entry for negative positions, -entry for
  // positive ones, 0 for position 0. Positions outside the range are taken as its ends.
  static int CycleLength(int position);
  // Playback speed relative to normal for a position (1.0 at 0; 2.0 at -19; 0.75 at 18).
  static double SpeedFactor(int position);
};

}  // namespace qp::dsp
