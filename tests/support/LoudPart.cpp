#include "support/LoudPart.h"

#include <cstddef>
#include <cstdlib>

namespace qp::test {

std::optional<LoudSpan> findLoud(const std::vector<std::int16_t>& samples, int level) {
  std::optional<LoudSpan> span;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    if (std::abs(samples[i]) > level) {
      if (!span) {
        span = LoudSpan{i, i};
      }
      span->last = i;
    }
  }
  return span;
}

std::vector<std::int16_t> fromFirstLoud(const std::vector<std::int16_t>& samples, int level) {
  const auto span = findLoud(samples, level);
  if (!span) {
    return {};
  }
  return {samples.begin() + static_cast<std::ptrdiff_t>(span->first), samples.end()};
}

double loudSeconds(const std::vector<std::int16_t>& samples, double sampleRate, int level) {
  const auto span = findLoud(samples, level);
  return span && span->first < span->last
             ? static_cast<double>(span->last - span->first) / sampleRate
             : 0.0;
}

}  // namespace qp::test
