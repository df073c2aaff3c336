#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// Where the sound is in what a test heard on the sound server's sink monitor: samples louder
// than a level (in sample units, 32767 = full scale) mark it; the rest is silence or noise.
namespace qp::test {

inline constexpr int kLoudLevel = 3000;

struct LoudSpan {
  std::size_t first = 0;  // index of the first loud sample
  std::size_t last = 0;   // index of the last loud sample
};

// The first and last loud sample; nothing when no sample is loud.
std::optional<LoudSpan> findLoud(const std::vector<std::int16_t>& samples, int level = kLoudLevel);
// The samples from the first loud one to the end; empty when no sample is loud.
std::vector<std::int16_t> fromFirstLoud(const std::vector<std::int16_t>& samples,
                                        int level = kLoudLevel);
// Seconds from the first loud sample to the last one at sampleRate; 0 unless two differ.
double loudSeconds(const std::vector<std::int16_t>& samples, double sampleRate,
                   int level = kLoudLevel);

}  // namespace qp::test
