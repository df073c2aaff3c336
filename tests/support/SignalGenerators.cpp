#include "support/SignalGenerators.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <random>

#include "common/LittleEndian.h"

namespace qp::test {

std::vector<std::int16_t> sine(double frequencyHz, double sampleRate, std::size_t count,
                               double amplitude, double phase) {
  std::vector<std::int16_t> out(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / sampleRate;
    out[i] = static_cast<std::int16_t>(
        std::lround(amplitude * std::sin(2.0 * std::numbers::pi * frequencyHz * t + phase)));
  }
  return out;
}

std::vector<std::int16_t> silence(std::size_t count) {
  return std::vector<std::int16_t>(count);
}

std::vector<std::int16_t> impulse(std::size_t count, std::size_t at, std::int16_t value) {
  std::vector<std::int16_t> out(count);
  if (at < count) {
    out[at] = value;
  }
  return out;
}

std::vector<std::int16_t> noise(std::size_t count, double amplitude, std::uint32_t seed) {
  std::mt19937 engine(seed);
  std::uniform_real_distribution<double> dist(-amplitude, amplitude);
  std::vector<std::int16_t> out(count);
  for (auto& s : out) {
    s = static_cast<std::int16_t>(std::lround(dist(engine)));
  }
  return out;
}

std::vector<std::uint8_t> toBytes(const std::vector<std::int16_t>& samples) {
  std::vector<std::uint8_t> out(samples.size() * 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    putLe16(&out[2 * i], static_cast<std::uint16_t>(samples[i]));
  }
  return out;
}

std::vector<std::int16_t> fromBytes(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::int16_t> out(bytes.size() / 2);
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<std::int16_t>(getLe16(&bytes[2 * i]));
  }
  return out;
}

double dominantFrequency(const std::vector<std::int16_t>& samples, double sampleRate) {
  // Interpolated positions of the first and last rising zero crossing, and the count between.
  double first = -1.0;
  double last = -1.0;
  int crossings = 0;
  for (std::size_t i = 1; i < samples.size(); ++i) {
    if (samples[i - 1] < 0 && samples[i] >= 0) {
      const double a = samples[i - 1];
      const double b = samples[i];
      const double at = static_cast<double>(i - 1) + (-a) / (b - a);
      if (first < 0) {
        first = at;
      } else {
        ++crossings;
      }
      last = at;
    }
  }
  if (crossings == 0) {
    return 0.0;
  }
  return crossings * sampleRate / (last - first);
}

double rms(const std::vector<std::int16_t>& samples) {
  if (samples.empty()) {
    return 0.0;
  }
  double sum = 0.0;
  for (const auto s : samples) {
    sum += static_cast<double>(s) * s;
  }
  return std::sqrt(sum / static_cast<double>(samples.size()));
}

std::size_t brokenToneWindows(const std::vector<std::int16_t>& samples, double sampleRate,
                              double frequencyHz, std::size_t windowSamples) {
  const double c = 2.0 * std::cos(2.0 * std::numbers::pi * frequencyHz / sampleRate);
  int peak = 1;
  for (const auto s : samples) {
    peak = std::max(peak, std::abs(int{s}));
  }
  std::size_t broken = 0;
  for (std::size_t start = 0; windowSamples > 0 && start + windowSamples <= samples.size();
       start += windowSamples) {
    for (std::size_t i = std::max<std::size_t>(start, 2); i < start + windowSamples; ++i) {
      const double residual = samples[i] - c * samples[i - 1] + samples[i - 2];
      if (std::abs(residual) > 0.05 * peak) {
        ++broken;
        break;
      }
    }
  }
  return broken;
}

}  // namespace qp::test
