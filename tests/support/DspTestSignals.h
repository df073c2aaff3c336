#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qp::test {

// Float signals and measurements for the signal-processing tests.
std::vector<float> floatSine(double frequencyHz, double sampleRate, std::size_t count,
                             double amplitude, double phase = 0.0);
// Root mean square of x[begin .. end).
double rmsOf(const std::vector<float>& x, std::size_t begin, std::size_t end);
// 20 log10(a / b); -300 when a is 0.
double decibels(double a, double b);
// Converts to 16-bit samples with rounding and clamping.
std::vector<std::int16_t> toPcm16(const std::vector<float>& x);

// Writes the signals as 16-bit mono notes "<name>-in.wav" and "<name>-out.wav" under
// $QP_BINARY_DIR/test-output (or the temporary folder) so a failure can be listened to;
// returns the directory, for the failure message.
std::string writeFailureWavs(const std::string& name, const std::vector<std::int16_t>& in,
                             const std::vector<std::int16_t>& out, std::uint32_t rate);

}  // namespace qp::test
