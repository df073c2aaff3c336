#include "dsp/CHalfRateDecimator.h"

#include <algorithm>
#include <cstring>

#include "dsp/FirBlock.h"

namespace qp::dsp {
namespace {

constexpr int kHalf = CHalfRateDecimator::kTaps / 2;  // index of the centre tap

// h[0] .. h[56] of the low-pass; h[56 - i] == h[56 + i]. Made by
// tools/design_half_rate_lowpass.py (constrained least squares: exactly -1 dB at 0.231 and
// -6 dB at 0.238 of the input rate after the gain of 4, about -46 dB from 0.249 on).
constexpr float kFirstHalf[kHalf + 1] = {
    0.000541205662f,  0.000449398075f,  -0.000139866554f, -0.000288734708f, 0.000116780496f,
    0.000279088504f,  -0.000159202955f, -0.000385426225f, 0.000100881363f,  0.000426323452f,
    -9.74678271e-05f, -0.000543145137f, 8.74309776e-06f,  0.0006018101f,    4.1237744e-05f,
    -0.000723650869f, -0.000179898409f, 0.000782027707f,  0.000289593476f,  -0.000890813684f,
    -0.000492343648f, 0.000925311332f,  0.000673156979f,  -0.000993808381f, -0.000950066308f,
    0.000971157215f,  0.00120848549f,   -0.000960123079f, -0.00156110031f,  0.000835352246f,
    0.00189281897f,   -0.000694211421f, -0.0023106755f,   0.000410284881f,  0.00269847057f,
    -7.42631448e-05f, -0.00315753582f,  -0.000444443219f, 0.00357026007f,   0.00106663613f,
    -0.00403397139f,  -0.00193905629f,  0.00443033822f,   0.00301600664f,   -0.00485406242f,
    -0.00450563883f,  0.00518776744f,   0.00649596189f,   -0.00552581757f,  -0.00950879313f,
    0.00575340977f,   0.0145330087f,    -0.00596702022f,  -0.0257040262f,   0.00605604786f,
    0.0792840355f,    0.118879127f};

std::array<float, CHalfRateDecimator::kTaps> MakeTaps() {
  std::array<float, CHalfRateDecimator::kTaps> taps{};
  for (int i = 0; i <= kHalf; ++i) {
    taps[i] = kFirstHalf[i];
    taps[CHalfRateDecimator::kTaps - 1 - i] = kFirstHalf[i];
  }
  return taps;
}

// The taps split by parity and multiplied by the output gain (a power of two, so exact):
// kOnOdd[a] = 4 h[2a] weighs the odd-numbered samples, kOnEven[a] = 4 h[2a + 1] the even ones.
struct PhaseTaps {
  float onOdd[kHalf + 1];
  float onEven[kHalf];
};

PhaseTaps MakePhaseTaps() {
  const auto& taps = CHalfRateDecimator::Taps();
  PhaseTaps p{};
  for (int a = 0; a <= kHalf; ++a) {
    p.onOdd[a] = CHalfRateDecimator::kGain * taps[2 * static_cast<std::size_t>(a)];
  }
  for (int a = 0; a < kHalf; ++a) {
    p.onEven[a] = CHalfRateDecimator::kGain * taps[2 * a + 1];
  }
  return p;
}

const PhaseTaps& Phases() {
  static const PhaseTaps phases = MakePhaseTaps();
  return phases;
}

}  // namespace

const std::array<float, CHalfRateDecimator::kTaps>& CHalfRateDecimator::Taps() {
  static const std::array<float, kTaps> taps = MakeTaps();
  return taps;
}

int CHalfRateDecimator::Process(const std::int16_t* in, int count, std::int16_t* out,
                                int capacity) {
  const int pairs = count / 2;
  if (in == nullptr || out == nullptr || pairs <= 0 || capacity < pairs) {
    return 0;
  }
  for (int done = 0; done < pairs;) {
    const int n = std::min(pairs - done, kBatchPairs);
    Batch(in + std::ptrdiff_t{2} * done, n, out + done);
    done += n;
  }
  return pairs;
}

void CHalfRateDecimator::Batch(const std::int16_t* in, int pairs, std::int16_t* out) {
  // Output j is y = 4 * sum h[i] x(2j + 1 - i): with h symmetric, the odd-numbered samples
  // meet the even taps and the even-numbered samples the odd taps, each as a plain window.
  for (int j = 0; j < pairs; ++j) {
    m_even[kEvenHistory + j] = in[std::ptrdiff_t{2} * j];
    m_odd[kOddHistory + j] = in[std::ptrdiff_t{2} * j + 1];
  }
  const PhaseTaps& p = Phases();
  // Whole blocks; the last may run into the slack, whose outputs are not used.
  for (int j = 0; j < pairs; j += 8) {
    fir::Block8 sums;
    sums.Add<kHalf>(p.onOdd, m_odd + j);
    sums.Add<kHalf>(p.onEven, m_even + j);
    sums.AddOne(p.onOdd[kHalf], m_odd + j + kHalf);
    sums.Store(m_scratch + j);
  }
  for (int j = 0; j < pairs; ++j) {
    out[j] = static_cast<std::int16_t>(fir::ClampSample(m_scratch[j]));
  }
  std::memmove(m_odd, m_odd + pairs, sizeof(float) * kOddHistory);
  std::memmove(m_even, m_even + pairs, sizeof(float) * kEvenHistory);
}

}  // namespace qp::dsp
