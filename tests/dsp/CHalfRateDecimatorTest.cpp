#include "dsp/CHalfRateDecimator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "support/BufferCompare.h"
#include "support/DspTestSignals.h"
#include "support/SignalGenerators.h"

namespace qp::dsp {
namespace {

using Samples = std::vector<std::int16_t>;
constexpr std::uint32_t kRate = 22050;

Samples decimate(CHalfRateDecimator& d, const Samples& in, const std::vector<int>& blocks) {
  return test::runInBlocks(in, blocks, [&d](const std::int16_t* samples, int count) {
    Samples block(static_cast<std::size_t>(count));
    block.resize(static_cast<std::size_t>(d.Process(samples, count, block.data(), count)));
    return block;
  });
}

// Gain in dB of a sine at `fraction` of the input rate, from the RMS of the settled output.
double measuredGainDb(double fraction) {
  constexpr double kAmplitude = 20000.0;
  const Samples in = test::sine(fraction * kRate, kRate, 40000, kAmplitude);
  CHalfRateDecimator d;
  const Samples out = decimate(d, in, {1200});
  const Samples settled(out.begin() + 200, out.end());
  const double gain = test::rms(settled) / (kAmplitude / std::sqrt(2.0));
  if (gain <= 0.0) {
    return -200.0;
  }
  return 20.0 * std::log10(gain);
}

TEST(CHalfRateDecimatorTest, OddCountsLoseTheirLastSampleAndSmallRoomIsRefused) {
  const Samples in = test::noise(4097, 10000.0);
  CHalfRateDecimator d;
  Samples out(4097, 0x5A5A);
  EXPECT_EQ(d.Process(in.data(), 4097, out.data(), 4097), 2048);
  EXPECT_EQ(out[2048], 0x5A5A);

  CHalfRateDecimator refusing;
  Samples guard(2100, 0x5A5A);
  EXPECT_EQ(refusing.Process(in.data(), 4096, guard.data(), 2047), 0);
  EXPECT_TRUE(std::all_of(guard.begin(), guard.end(), [](auto s) { return s == 0x5A5A; }));
  EXPECT_EQ(refusing.Process(in.data(), 4096, guard.data(), 2048), 2048);
  EXPECT_EQ(refusing.Process(in.data(), 1, guard.data(), 0), 0);
  EXPECT_EQ(refusing.Process(nullptr, 4, guard.data(), 4), 0);
}

TEST(CHalfRateDecimatorTest, RefusedBlockLeavesTheStreamAlone) {
  const Samples in = test::noise(4000, 10000.0, 2);
  CHalfRateDecimator plain;
  CHalfRateDecimator interrupted;
  const Samples a = decimate(plain, in, {2000});
  Samples out(1000);
  EXPECT_EQ(interrupted.Process(in.data(), 2000, out.data(), 999), 0);
  const Samples b = decimate(interrupted, in, {2000});
  EXPECT_TRUE(test::sameSamples(a, b));
}

TEST(CHalfRateDecimatorTest, MeasuredResponseMeetsTheLowPassPoints) {
  struct Row {
    double fraction;  // of the input rate
    double expectedDb;
    double toleranceDb;
  };
  // Passband within 0.3 dB of flat, the two edge points within 0.3 dB.
  const Row rows[] = {
      {0.01, 0.0, 0.3}, {0.1, 0.0, 0.3}, {0.2, 0.0, 0.3}, {0.231, -1.0, 0.3}, {0.238, -6.0, 0.3}};
  for (const Row& row : rows) {
    EXPECT_NEAR(measuredGainDb(row.fraction), row.expectedDb, row.toleranceDb)
        << "at " << row.fraction << " of the input rate";
  }
  // Stopband: at least 40 dB down from 0.249 of the input rate (0.25 itself folds onto the
  // output's Nyquist frequency, where a sine's level depends on its phase).
  for (double f = 0.249; f < 0.495; f += 0.003) {
    if (std::abs(f - 0.25) < 0.002) {
      continue;
    }
    EXPECT_LE(measuredGainDb(f), -40.0) << "at " << f << " of the input rate";
  }
}

TEST(CHalfRateDecimatorTest, TapsAreSymmetricAndSumToAQuarter) {
  const auto& h = CHalfRateDecimator::Taps();
  EXPECT_NEAR(std::accumulate(h.begin(), h.end(), 0.0), 0.25, 1e-6);
  for (int i = 0; i < CHalfRateDecimator::kTaps; ++i) {
    ASSERT_EQ(h[i], h[CHalfRateDecimator::kTaps - 1 - i]) << "tap " << i;
  }
}

TEST(CHalfRateDecimatorTest, ConstantPassesAtUnityGainAfterTheDelay) {
  const Samples in(4000, 10000);
  CHalfRateDecimator d;
  const Samples out = decimate(d, in, {1200});
  ASSERT_EQ(out.size(), 2000u);
  // The 113-tap window is full after 56 outputs.
  for (std::size_t k = 57; k < out.size(); ++k) {
    ASSERT_NEAR(out[k], 10000, 1) << "at output " << k;
  }
  // An impulse comes out centred 56 input samples later: at output 28 for input 1.
  CHalfRateDecimator d2;
  const Samples pulse = decimate(d2, test::impulse(400, 1, 16384), {400});
  const auto peak = std::max_element(pulse.begin(), pulse.end());
  EXPECT_EQ(peak - pulse.begin(), 28);
}

TEST(CHalfRateDecimatorTest, StreamDoesNotDependOnEvenBlockCuts) {
  const Samples in = test::noise(30000, 20000.0, 4);
  std::mt19937 rng(12);
  std::uniform_int_distribution<int> half(0, 1500);
  std::vector<int> cuts(100);
  for (int& c : cuts) {
    c = 2 * half(rng);
  }
  cuts.push_back(2);
  CHalfRateDecimator whole;
  CHalfRateDecimator pieces;
  const Samples a = decimate(whole, in, {static_cast<int>(in.size())});
  const Samples b = decimate(pieces, in, cuts);
  EXPECT_TRUE(test::sameSamples(a, b));
  test::writeWavsIfFailed("half-rate-cuts", in, b, kRate);
}

TEST(CHalfRateDecimatorTest, FullScaleOvershootIsClamped) {
  Samples square(8000);
  for (std::size_t i = 0; i < square.size(); ++i) {
    square[i] = (i / 50) % 2 == 0 ? 32767 : -32767;
  }
  CHalfRateDecimator d;
  const Samples out = decimate(d, square, {1200});
  EXPECT_EQ(*std::max_element(out.begin(), out.end()), 32767);
  EXPECT_EQ(*std::min_element(out.begin(), out.end()), -32767);
  test::writeWavsIfFailed("half-rate-clamp", square, out, kRate);
}

}  // namespace
}  // namespace qp::dsp
