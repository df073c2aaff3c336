#include "dsp/CRateAdjuster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
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

// Runs `in` through the adjuster in blocks of the given sizes (the last size repeats),
// with room for twice each block as the player gives it.
Samples run(CRateAdjuster& adjuster, const Samples& in, const std::vector<int>& blocks) {
  return test::runInBlocks(in, blocks, [&adjuster](const std::int16_t* samples, int count) {
    Samples block(2 * static_cast<std::size_t>(count) + 2);
    block.resize(static_cast<std::size_t>(
        adjuster.Process(samples, count, block.data(), static_cast<int>(block.size()))));
    return block;
  });
}

// An adjuster configured as the player does it (filter-always set) unless told otherwise.
struct Configured : CRateAdjuster {
  explicit Configured(int n, bool filterAlways = true) {
    SetFilterAlways(filterAlways);
    Configure(static_cast<int>(kRate), n);
  }
};

int process(CRateAdjuster& a, const Samples& in) {
  Samples out(2 * in.size() + 2);
  return a.Process(in.data(), static_cast<int>(in.size()), out.data(),
                   static_cast<int>(out.size()));
}

TEST(CRateAdjusterTest, EveryCycleDropsOrInsertsOneSampleAfterTwelveForTheHistory) {
  struct Row {
    int n;
    int outputsPerCycle;
  };
  const Row rows[] = {{100, 99}, {-100, 101}, {52, 51}, {-52, 53}, {111, 110}, {34, 33}, {-34, 35},
                      {13, 12},  {-13, 14},   {3, 2},   {-3, 4},   {2, 1},     {-2, 3}};
  const Samples signal = test::noise(12 + 40 * 111, 8000.0);
  for (const Row& row : rows) {
    SCOPED_TRACE("n = " + std::to_string(row.n));
    Configured a(row.n);
    const int absN = std::abs(row.n);
    EXPECT_EQ(process(a, Samples(signal.begin(), signal.begin() + 12)), 0);
    // One cycle per call: each call gives exactly one cycle's outputs.
    for (int cycle = 0; cycle < 5; ++cycle) {
      const auto from = signal.begin() + 12 + cycle * absN;
      EXPECT_EQ(process(a, Samples(from, from + absN)), row.outputsPerCycle);
    }
    // Many cycles in one call.
    const auto from = signal.begin() + 12 + 5 * absN;
    EXPECT_EQ(process(a, Samples(from, from + 30 * absN)), 30 * row.outputsPerCycle);
  }
}

TEST(CRateAdjusterTest, ShortCyclesPassThroughUntilFilterAlwaysIsSet) {
  const Samples block = test::noise(12 + 34 * 20, 12000.0, 7);
  for (const int n : {34, -34, 2}) {
    SCOPED_TRACE("n = " + std::to_string(n));
    Configured fresh(n, false);
    EXPECT_FALSE(fresh.FilterAlways());
    EXPECT_TRUE(test::sameSamples(block, run(fresh, block, {256})));
  }
  Configured always(34, true);
  EXPECT_EQ(run(always, block, {256}).size(), 20u * 33u);
  // From a cycle length of 50 on, the flag makes no difference.
  Configured longCycle(52, false);
  const Samples longBlock = test::noise(12 + 52 * 10, 12000.0, 8);
  EXPECT_EQ(run(longCycle, longBlock, {256}).size(), 10u * 51u);
}

TEST(CRateAdjusterTest, CycleLengthZeroLeavesSamplesUntouched) {
  const Samples block = test::noise(3000, 32767.0, 9);
  CRateAdjuster constructed;
  EXPECT_EQ(constructed.CycleLength(), 0);
  EXPECT_TRUE(test::sameSamples(block, run(constructed, block, {1200})));
  Configured always(0, true);
  EXPECT_TRUE(test::sameSamples(block, run(always, block, {1200})));
}

TEST(CRateAdjusterTest, StreamDoesNotDependOnHowInputIsCut) {
  const Samples signal = test::noise(20000, 20000.0, 3);
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> size(0, 2600);
  std::vector<int> cuts(200);
  for (int& c : cuts) {
    c = size(rng);
  }
  cuts.push_back(1);
  for (const int n : {100, -100, 52, -52, 17, -17, 5, -5, 3, -3, 2, -2}) {
    SCOPED_TRACE("n = " + std::to_string(n));
    Configured whole(n);
    Configured pieces(n);
    const Samples a = run(whole, signal, {static_cast<int>(signal.size())});
    const Samples b = run(pieces, signal, cuts);
    EXPECT_TRUE(test::sameSamples(a, b));
    test::writeWavsIfFailed("rate-adjuster-cuts-" + std::to_string(n), signal, b, kRate);
  }
}

// Input time (in samples, possibly fractional) that each output of a fresh adjuster
// represents: an output taken with input t as its newest sample and a filter of delay d
// stands for t - d. Drop cycles use delays 12, 11.75, 11.5, 11.25 over their quarters and then
// skip an input; insert cycles use 12, then repeat the last time with 11.25, then 11.25, 11.5,
// 11.75.
std::vector<double> outputTimes(int n, std::size_t outputs) {
  const int absN = std::abs(n);
  const int q = absN / 4;
  std::vector<double> times;
  double t = CRateAdjuster::kPrimeSamples - 1;
  auto emit = [&](double delay) { times.push_back(t - delay); };
  while (times.size() < outputs) {
    for (int pos = 0; pos < absN; ++pos) {
      const int quarter = std::min(q == 0 ? 3 : pos / q, 3);
      if (n > 0) {
        t += 1;
        if (pos < absN - 1) {
          emit(12.0 - 0.25 * quarter);
        }
      } else {
        if (pos == q) {
          emit(11.25);
        }
        t += 1;
        emit(quarter == 0 ? 12.0 : 11.0 + 0.25 * quarter);
      }
    }
  }
  times.resize(outputs);
  return times;
}

TEST(CRateAdjusterTest, SineKeepsItsShapeAtTheNewSpeed) {
  struct Row {
    int n;
    double hz;
    double minSnrDb;
  };
  // Signal-to-error ratio against the ideal sine at each output's input time. The four
  // filters differ in gain by up to 2 dB at low frequencies, which limits the ratio to about
  // 20 dB where all four take turns; the bounds sit 1.5 dB under the measured values, and a
  // filter used out of its turn costs 3 to 20 dB.
  const Row rows[] = {{100, 300.0, 20.5},  {-100, 300.0, 20.5}, {52, 1000.0, 18.5},
                      {-52, 1000.0, 18.5}, {12, 2500.0, 19.0},  {-12, 2500.0, 19.5},
                      {2, 500.0, 25.0},    {-2, 500.0, 25.0},   {3, 3000.0, 28.5},
                      {-3, 3000.0, 28.5}};
  constexpr double kAmplitude = 12000.0;
  for (const Row& row : rows) {
    SCOPED_TRACE("n = " + std::to_string(row.n) + ", " + std::to_string(row.hz) + " Hz");
    const Samples in = test::sine(row.hz, kRate, 20000, kAmplitude);
    Configured a(row.n);
    const Samples out = run(a, in, {1200});
    const std::vector<double> times = outputTimes(row.n, out.size());
    double signal = 0.0;
    double error = 0.0;
    // Skip the outputs whose filter window still reaches into the zero history.
    for (std::size_t k = 40; k < out.size(); ++k) {
      const double ideal =
          kAmplitude * std::sin(2.0 * std::numbers::pi * row.hz * times[k] / kRate);
      signal += ideal * ideal;
      error += (out[k] - ideal) * (out[k] - ideal);
    }
    const double snr = 10.0 * std::log10(signal / std::max(error, 1e-9));
    EXPECT_GE(snr, row.minSnrDb);
    test::writeWavsIfFailed("rate-adjuster-sine-" + std::to_string(row.n), in, out, kRate);
  }
}

TEST(CRateAdjusterTest, OutputIsClampedAndTruncatedTowardZero) {
  // A full-scale square wave overshoots in every filter.
  Samples square(6000);
  for (std::size_t i = 0; i < square.size(); ++i) {
    square[i] = (i / 37) % 2 == 0 ? 32767 : -32767;
  }
  Samples negated(square.size());
  std::transform(square.begin(), square.end(), negated.begin(),
                 [](std::int16_t s) { return static_cast<std::int16_t>(-s); });
  for (const int n : {-3, 5, 100}) {
    SCOPED_TRACE("n = " + std::to_string(n));
    Configured up(n);
    Configured down(n);
    const Samples a = run(up, square, {1200});
    const Samples b = run(down, negated, {1200});
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(*std::max_element(a.begin(), a.end()), 32767);
    EXPECT_EQ(*std::min_element(a.begin(), a.end()), -32767);
    // Truncation toward zero keeps the output odd-symmetric; rounding down would not.
    for (std::size_t k = 0; k < a.size(); ++k) {
      ASSERT_EQ(a[k], -b[k]) << "at output " << k;
    }
  }
}

TEST(CRateAdjusterTest, OutputBeyondCapacityIsDroppedAndTheStreamMovesOn) {
  const Samples signal = test::noise(12 + 1000 + 500, 10000.0, 5);
  Configured reference(-2);
  const Samples all = run(reference, signal, {static_cast<int>(signal.size())});

  Configured capped(-2);
  Samples first(1600, 0x5A5A);
  const int made = capped.Process(signal.data(), 12 + 1000, first.data(), 100);
  EXPECT_EQ(made, 100);
  EXPECT_TRUE(std::all_of(first.begin() + 100, first.end(), [](auto s) { return s == 0x5A5A; }));
  EXPECT_TRUE(test::sameSamples(Samples(all.begin(), all.begin() + 100),
                                Samples(first.begin(), first.begin() + 100)));
  // 1000 inputs made 1500 outputs; the next call continues after them.
  Samples second(1000);
  const int more = capped.Process(signal.data() + 1012, 500, second.data(), 1000);
  ASSERT_EQ(more, 750);
  EXPECT_TRUE(test::sameSamples(Samples(all.begin() + 1500, all.end()),
                                Samples(second.begin(), second.begin() + more)));
}

TEST(CRateAdjusterTest, ConfigureRestartsTheCycleAndTheHistory) {
  const Samples signal = test::noise(2000, 10000.0, 6);
  Configured a(100);
  EXPECT_EQ(process(a, Samples(signal.begin(), signal.begin() + 150)), 137);
  a.Configure(static_cast<int>(kRate), -52);
  EXPECT_EQ(a.CycleLength(), -52);
  EXPECT_EQ(process(a, Samples(signal.begin(), signal.begin() + 12)), 0);
  EXPECT_EQ(process(a, Samples(signal.begin() + 12, signal.begin() + 64)), 53);

  // After Configure the output is that of a fresh adjuster.
  Configured fresh(-52);
  a.Configure(static_cast<int>(kRate), -52);
  EXPECT_TRUE(test::sameSamples(run(fresh, signal, {300}), run(a, signal, {300})));
}

TEST(CRateAdjusterTest, EmptyOrMissingBuffersGiveNothing) {
  Configured a(2);
  Samples out(16);
  const Samples in(8, 100);
  EXPECT_EQ(a.Process(nullptr, 8, out.data(), 16), 0);
  EXPECT_EQ(a.Process(in.data(), 0, out.data(), 16), 0);
  EXPECT_EQ(a.Process(in.data(), -4, out.data(), 16), 0);
  // Without room the input is still consumed.
  EXPECT_EQ(a.Process(in.data(), 8, nullptr, 16), 0);
  EXPECT_EQ(a.Process(in.data(), 8, out.data(), -1), 0);
  EXPECT_EQ(a.Process(in.data(), 8, out.data(), 16), 4);
}

}  // namespace
}  // namespace qp::dsp
