#pragma once

#include <array>
#include <cstdint>

namespace qp::dsp {

// Halves the length of a 16-bit mono stream: a 113-tap linear-phase low-pass (passband to
// 0.231 of the input rate at -1 dB, -6 dB at 0.238, at least 40 dB down from 0.249) followed
// by keeping every second sample. The filter history carries over between calls, so the
// stream does not depend on how it is cut into even-sized blocks; an odd block loses its last
// sample. The output lags the input by 56 input samples. One object per stream, used by one
// thread; allocates nothing after construction.
class CHalfRateDecimator {
 public:
  static constexpr int kTaps = 113;
  static constexpr float kGain = 4.0f;
  // Input pairs handled per batch.
  static constexpr int kBatchPairs = 1024;

  CHalfRateDecimator() = default;
  virtual ~CHalfRateDecimator() = default;
  CHalfRateDecimator(const CHalfRateDecimator&) = delete;
  CHalfRateDecimator& operator=(const CHalfRateDecimator&) = delete;

  // Writes count / 2 samples to out and returns that number; when capacity is smaller than
  // count / 2 nothing is consumed or written and 0 is returned.
  int Process(const std::int16_t* in, int count, std::int16_t* out, int capacity);

  // The low-pass taps (symmetric, summing to 0.25; the output is scaled by kGain).
  static const std::array<float, kTaps>& Taps();

 private:
  static constexpr int kOddHistory = (kTaps + 1) / 2 - 1;  // 56
  static constexpr int kEvenHistory = kTaps / 2 - 1;       // 55
  // Room for the last block of eight outputs to run past the batch (results unused).
  static constexpr int kSlack = 8;
  void Batch(const std::int16_t* in, int pairs, std::int16_t* out);

  // Odd-numbered and even-numbered input samples, each line starting with its history.
  float m_odd[kOddHistory + kBatchPairs + kSlack] = {};
  float m_even[kEvenHistory + kBatchPairs + kSlack] = {};
  float m_scratch[kBatchPairs + kSlack] = {};
};

}  // namespace qp::dsp
