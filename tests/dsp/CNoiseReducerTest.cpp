// One channel's chain: its delay, the warm-up floor, the overflow queue, stride 2, and the
// decimating path above 24000 Hz.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "dsp/CNoiseReducer.h"
#include "support/DspTestSignals.h"

namespace qp::dsp {
namespace {

// Runs a mono chain over the input in pieces of `piece` floats with room for as many;
// returns everything written.
std::vector<float> runChain(int rate, const std::vector<float>& input, int piece) {
  CNoiseReducer chain;
  chain.Init(rate);
  chain.SetChannel(0, 1);
  std::vector<float> out;
  std::vector<float> in;
  std::vector<float> buffer(static_cast<std::size_t>(piece));
  for (std::size_t at = 0; at < input.size(); at += static_cast<std::size_t>(piece)) {
    const auto n = std::min<std::size_t>(static_cast<std::size_t>(piece), input.size() - at);
    in.assign(input.begin() + static_cast<long>(at), input.begin() + static_cast<long>(at + n));
    const int r = chain.Process(in.data(), static_cast<int>(n), buffer.data(), static_cast<int>(n));
    EXPECT_LE(r, static_cast<int>(n));
    out.insert(out.end(), buffer.begin(), buffer.begin() + r);
  }
  return out;
}

struct DelayRow {
  int rate;
  int K;
  int delay;  // 2 M - N
};

TEST(CNoiseReducer, ImpulseComesOutAtTheFloorGainTwoHalfLengthsMinusAHopLater) {
  const DelayRow rows[] = {{8000, 16, 120},  {11025, 16, 120}, {12000, 16, 120},
                           {16000, 32, 240}, {22050, 32, 240}, {24000, 32, 240}};
  for (const DelayRow& row : rows) {
    SCOPED_TRACE(std::to_string(row.rate) + " Hz");
    std::vector<float> in(3000, 0.0f);
    in[700] = 10000.0f;
    const std::vector<float> out = runChain(row.rate, in, 4096);
    CNoiseReducer probe;
    probe.Init(row.rate);
    EXPECT_EQ(probe.K(), row.K);
    EXPECT_FALSE(probe.Decimating());
    const auto peak = std::max_element(out.begin(), out.end());
    EXPECT_EQ(peak - out.begin(), 700 + row.delay);
    // Warm-up: every band at the 0.2 floor, the bank's own gain about 0.98.
    EXPECT_NEAR(*peak, 0.2 * 0.98 * 10000.0, 0.2 * 0.03 * 10000.0);
  }
}

TEST(CNoiseReducer, SteadyToneStaysAtTheFloorFromTheStartOn) {
  for (const int rate : {8000, 11025, 22050}) {
    SCOPED_TRACE(std::to_string(rate) + " Hz");
    const std::vector<float> in =
        test::floatSine(440, rate, static_cast<std::size_t>(rate) * 4, 8000.0);
    const std::vector<float> out = runChain(rate, in, 4096);
    const std::size_t s = static_cast<std::size_t>(rate);
    // The first 0.25 s (warm-up) and the last second: 14 dB down, the floor of 0.2.
    const double early =
        test::decibels(test::rmsOf(out, s / 20, s / 4), test::rmsOf(in, s / 20, s / 4));
    const double late =
        test::decibels(test::rmsOf(out, 2 * s, 3 * s), test::rmsOf(in, 2 * s, 3 * s));
    EXPECT_NEAR(early, -14.0, 0.4);
    EXPECT_NEAR(late, -14.0, 0.4);
    if (std::fabs(late + 14.0) > 0.4) {
      ADD_FAILURE() << test::writeFailureWavs("chain-tone", test::toPcm16(in), test::toPcm16(out),
                                              static_cast<std::uint32_t>(rate));
    }
  }
}

TEST(CNoiseReducer, NeverWritesMoreThanTheRoomAndHeldSamplesComeOutFirst) {
  const std::vector<float> in = test::floatSine(1000, 11025, 20000, 5000.0);
  const std::vector<float> reference = runChain(11025, in, 20000);
  CNoiseReducer chain;
  chain.Init(11025);
  chain.SetChannel(0, 1);
  std::vector<float> out;
  std::vector<float> buffer(4096);
  std::size_t at = 0;
  // Rooms below and above the 1500 floats given: never more than 4100 held at once.
  const int rooms[] = {0, 100, 4096, 37, 4096, 1, 3000};
  int call = 0;
  while (at < in.size()) {
    const int n = static_cast<int>(std::min<std::size_t>(1500, in.size() - at));
    std::vector<float> piece(in.begin() + static_cast<long>(at),
                             in.begin() + static_cast<long>(at) + n);
    const int room = rooms[call++ % 7];
    const int r = chain.Process(piece.data(), n, buffer.data(), room);
    ASSERT_LE(r, room);
    ASSERT_LE(chain.HeldBack(), CNoiseReducer::kOverflowCapacity + 4);
    out.insert(out.end(), buffer.begin(), buffer.begin() + r);
    at += static_cast<std::size_t>(n);
  }
  ASSERT_LE(out.size(), reference.size());
  EXPECT_TRUE(std::equal(out.begin(), out.end(), reference.begin()));
}

TEST(CNoiseReducer, OverflowBeyondItsCapacityIsLostNotCounted) {
  CNoiseReducer chain;
  chain.Init(8000);
  chain.SetChannel(0, 1);
  std::vector<float> in(4096, 100.0f);
  std::vector<float> out(4096, -1.0f);
  EXPECT_EQ(chain.Process(in.data(), 4096, out.data(), 0), 0);
  EXPECT_EQ(chain.Process(in.data(), 4096, out.data(), 0), 0);
  EXPECT_EQ(chain.HeldBack(), 4100);
  EXPECT_EQ(chain.Process(in.data(), 0, out.data(), 4096), 4096);
  EXPECT_EQ(chain.HeldBack(), 4);
}

TEST(CNoiseReducer, StrideTwoChainsReadAndWriteOnlyTheirChannel) {
  const std::vector<float> left = test::floatSine(300, 8000, 5001, 3000.0);
  const std::vector<float> right = test::floatSine(2000, 8000, 5000, 9000.0);
  std::vector<float> interleaved(10001, 0.0f);  // odd count: the right channel has one less
  for (std::size_t i = 0; i < 5001; ++i) {
    interleaved[2 * i] = left[i];
    if (i < 5000) {
      interleaved[2 * i + 1] = right[i];
    }
  }
  CNoiseReducer chain;
  chain.Init(8000);
  chain.SetChannel(1, 2);
  std::vector<float> out(10001, 55.0f);
  const int r = chain.Process(interleaved.data(), 10001, out.data(), 10001);
  EXPECT_EQ(r % 2, 0);
  const std::vector<float> mono = runChain(8000, right, 5000);
  ASSERT_EQ(static_cast<std::size_t>(r / 2), mono.size());
  for (std::size_t i = 0; i < mono.size(); ++i) {
    ASSERT_EQ(out[2 * i + 1], mono[i]) << i;
    ASSERT_EQ(out[2 * i], 55.0f) << i;
  }
  EXPECT_EQ(out[10000], 55.0f);
}

TEST(CNoiseReducer, UninitialisedOrReleasedChainDoesNothing) {
  CNoiseReducer chain;
  std::vector<float> in(100, 1.0f);
  std::vector<float> out(100, 7.0f);
  EXPECT_EQ(chain.Process(in.data(), 100, out.data(), 100), 0);
  chain.Init(8000);
  chain.Init(0);
  EXPECT_EQ(chain.Rate(), 0);
  EXPECT_EQ(chain.Process(in.data(), 100, out.data(), 100), 0);
  EXPECT_EQ(out[0], 7.0f);
}

struct DecimatingRow {
  int rate;
  int factor;
};

TEST(CNoiseReducer, HighRatesRunTheBankDecimatedAndComeBackAtTheirRate) {
  const DecimatingRow rows[] = {{32000, 2}, {44100, 3}, {48000, 3}};
  for (const DecimatingRow& row : rows) {
    SCOPED_TRACE(std::to_string(row.rate) + " Hz");
    CNoiseReducer probe;
    probe.Init(row.rate);
    probe.SetChannel(0, 1);
    EXPECT_TRUE(probe.Decimating());
    EXPECT_EQ(probe.Converter().Factor(), row.factor);
    EXPECT_EQ(probe.K(), 32);

    const auto count = static_cast<std::size_t>(row.rate) * 3;
    const std::vector<float> in = test::floatSine(500, row.rate, count, 8000.0);
    const std::vector<float> out = runChain(row.rate, in, 4096);
    EXPECT_GE(out.size(), count - 2000);
    const auto s = static_cast<std::size_t>(row.rate);
    const double level = test::decibels(test::rmsOf(out, s, 2 * s), test::rmsOf(in, s, 2 * s));
    EXPECT_NEAR(level, -14.0, 0.6);
    const std::vector<float> cut = runChain(row.rate, in, 777);
    ASSERT_GE(cut.size(), out.size() - 4096);
    EXPECT_TRUE(
        std::equal(cut.begin(), cut.begin() + static_cast<long>(out.size() - 4096), out.begin()));
  }
}

}  // namespace
}  // namespace qp::dsp
