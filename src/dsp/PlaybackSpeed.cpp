#include "dsp/PlaybackSpeed.h"

#include <algorithm>

namespace qp::dsp {

int PlaybackSpeed::CycleLength(int position) {
  const int s = std::clamp(position, kMinPosition, kMaxPosition);
  if (s == 0) {
    return 0;
  }
  return s < 0 ? kCycleLengths[-s] : -kCycleLengths[s];
}

double PlaybackSpeed::SpeedFactor(int position) {
  const int n = CycleLength(position);
  if (n == 0) {
    return 1.0;
  }
  // n > 0: n inputs give n - 1 outputs; n < 0: |n| inputs give |n| + 1 outputs.
  return n > 0 ? static_cast<double>(n) / (n - 1) : static_cast<double>(-n) / (-n + 1);
}

}  // namespace qp::dsp
