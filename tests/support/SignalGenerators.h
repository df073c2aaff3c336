#pragma once

#include <cstdint>
#include <vector>

namespace qp::test {

// 16-bit test signals. Amplitudes are in sample units (32767 = full scale).
std::vector<std::int16_t> sine(double frequencyHz, double sampleRate, std::size_t count,
                               double amplitude = 10000.0, double phase = 0.0);
std::vector<std::int16_t> silence(std::size_t count);
std::vector<std::int16_t> impulse(std::size_t count, std::size_t at, std::int16_t value = 16384);
// Uniform white noise from a fixed seed, so every run sees the same samples.
std::vector<std::int16_t> noise(std::size_t count, double amplitude, std::uint32_t seed = 1);
// Little-endian bytes of the samples.
std::vector<std::uint8_t> toBytes(const std::vector<std::int16_t>& samples);
std::vector<std::int16_t> fromBytes(const std::vector<std::uint8_t>& bytes);

// Frequency of the strongest component, by counting rising zero crossings over the whole
// signal (good to about 1 Hz for a clean tone of a second or more).
double dominantFrequency(const std::vector<std::int16_t>& samples, double sampleRate);
double rms(const std::vector<std::int16_t>& samples);
// How many whole windows of windowSamples hold a break in a steady tone of frequencyHz: a
// sample that the two before it do not predict (x[n] = 2 cos(w) x[n-1] - x[n-2]) within 5 %
// of the signal's peak, as happens where sound was dropped or repeated.
std::size_t brokenToneWindows(const std::vector<std::int16_t>& samples, double sampleRate,
                              double frequencyHz, std::size_t windowSamples);

}  // namespace qp::test
