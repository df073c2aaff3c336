#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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
// When the running test has failed so far, writes the signals as above and adds a failure
// that names where they are.
void writeWavsIfFailed(const std::string& name, const std::vector<std::int16_t>& in,
                       const std::vector<std::int16_t>& out, std::uint32_t rate);

// Feeds `in` to process in blocks of the given sizes (the last size repeats until the input is
// used up) and joins what process makes of each block.
std::vector<std::int16_t> runInBlocks(
    const std::vector<std::int16_t>& in, const std::vector<int>& blocks,
    const std::function<std::vector<std::int16_t>(const std::int16_t* samples, int count)>&
        process);

// Collects the messages of the signal-processing classes' trace for the object's lifetime
// (one at a time); the default receiver is back afterwards.
class DspTraceCapture {
 public:
  DspTraceCapture();
  ~DspTraceCapture();
  DspTraceCapture(const DspTraceCapture&) = delete;
  DspTraceCapture& operator=(const DspTraceCapture&) = delete;

  const std::vector<std::string>& messages() const;
};

}  // namespace qp::test
