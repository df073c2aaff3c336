// CSplit and CRecom together: the bank's delay, gain and band behaviour with suppression off,
// and the hop/queue bookkeeping of the analysis side.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "dsp/CRecom.h"
#include "dsp/CSampleQueue.h"
#include "dsp/CSplit.h"
#include "dsp/DspTrace.h"
#include "support/DspTestSignals.h"

namespace qp::dsp {
namespace {

struct BankShape {
  int K;
  int N;
  int M;
};

constexpr BankShape kLowRate{16, 8, 64};
constexpr BankShape kHighRate{32, 16, 128};

// A CSplit/CRecom pair sharing K band queues of capacity 256, as the noise reducer builds it.
class Bank {
 public:
  explicit Bank(BankShape s, bool suppress = false) : shape(s) {
    for (int k = 0; k < s.K; ++k) {
      queues.push_back(std::make_unique<CSampleQueue>());
      queues.back()->Init(256, 0);
      pointers.push_back(queues.back().get());
    }
    split.Init(s.K, s.N, s.M, pointers.data(), 0);
    recom.Init(s.K, s.N, s.M, pointers.data());
    recom.SetRate(8000);
    recom.SetSuppression(suppress);
  }

  // Feeds the whole input in pieces the band queues can hold; returns all synthesised output.
  std::vector<float> run(const std::vector<float>& input, int piece = 1000) {
    std::vector<float> out;
    std::vector<float> block(260 * static_cast<std::size_t>(shape.N));
    for (std::size_t at = 0; at < input.size(); at += static_cast<std::size_t>(piece)) {
      const float* p = input.data() + at;
      int count = static_cast<int>(std::min<std::size_t>(piece, input.size() - at));
      while (count > 0 && split.Analyze(p, count, 1)) {
        int n = 0;
        recom.Synthesize(block.data(), n);
        out.insert(out.end(), block.begin(), block.begin() + n);
      }
    }
    return out;
  }

  // The same through the frame-batch calls: the primed frame is taken off the queues, then
  // AnalyzeFrames hands at most `batch` frames at a time to SynthesizeFrames.
  std::vector<float> runBatched(const std::vector<float>& input, int piece, int batch) {
    const auto K = static_cast<std::size_t>(shape.K);
    std::vector<float> frames(static_cast<std::size_t>(batch) * K);
    std::vector<float> block(static_cast<std::size_t>(batch) * static_cast<std::size_t>(shape.N));
    for (std::size_t k = 0; k < K; ++k) {
      frames[k] = queues[k]->Pop();
    }
    int pending = 1;
    std::vector<float> out;
    for (std::size_t at = 0; at < input.size(); at += static_cast<std::size_t>(piece)) {
      const float* p = input.data() + at;
      int count = static_cast<int>(std::min<std::size_t>(piece, input.size() - at));
      while (count > 0) {
        pending += split.AnalyzeFrames(p, count, 1, frames.data() + pending * K, batch - pending);
        if (pending == 0) {
          break;
        }
        const int n = recom.SynthesizeFrames(frames.data(), pending, block.data());
        out.insert(out.end(), block.begin(), block.begin() + n);
        pending = 0;
      }
    }
    return out;
  }

  BankShape shape;
  std::vector<std::unique_ptr<CSampleQueue>> queues;
  std::vector<CSampleQueue*> pointers;
  CSplit split;
  CRecom recom;
};

TEST(FilterBank, ImpulsePeaksTwoHalfLengthsLaterAtNearlyUnitGain) {
  for (const BankShape shape : {kLowRate, kHighRate}) {
    for (const int t : {0, 5, 301, 1000}) {
      std::vector<float> in(4000, 0.0f);
      in[static_cast<std::size_t>(t)] = 1.0f;
      Bank bank(shape);
      const std::vector<float> out = bank.run(in);
      const auto peak = std::max_element(
          out.begin(), out.end(), [](float a, float b) { return std::fabs(a) < std::fabs(b); });
      const long at = peak - out.begin();
      SCOPED_TRACE("K=" + std::to_string(shape.K) + " t=" + std::to_string(t));
      EXPECT_EQ(at, t + 2 * shape.M);
      EXPECT_NEAR(*peak, 0.98, 0.02);
    }
  }
}

struct ToneCase {
  BankShape shape;
  double rate;
  double frequency;
};

TEST(FilterBank, InBandSinusoidsPassWithGainBetween097And1) {
  const ToneCase cases[] = {
      {kLowRate, 8000, 150},    {kLowRate, 8000, 440},    {kLowRate, 8000, 1000},
      {kLowRate, 8000, 2300},   {kLowRate, 8000, 3500},   {kLowRate, 11025, 1234},
      {kLowRate, 11025, 4700},  {kHighRate, 22050, 200},  {kHighRate, 22050, 1000},
      {kHighRate, 22050, 3333}, {kHighRate, 22050, 7000}, {kHighRate, 22050, 10000},
  };
  for (const ToneCase& c : cases) {
    const std::vector<float> in = test::floatSine(c.frequency, c.rate, 20000, 1000.0);
    Bank bank(c.shape);
    const std::vector<float> out = bank.run(in);
    const std::size_t delay = 2 * static_cast<std::size_t>(c.shape.M);
    const double inRms = test::rmsOf(in, 2000, 18000);
    const double outRms = test::rmsOf(out, 2000 + delay, 18000 + delay);
    const double gainDb = test::decibels(outRms, inRms);
    SCOPED_TRACE(std::to_string(c.frequency) + " Hz at " + std::to_string(c.rate));
    EXPECT_GE(gainDb, 20.0 * std::log10(0.97) - 0.01);
    EXPECT_LE(gainDb, 0.01);
    if (gainDb < 20.0 * std::log10(0.97) - 0.01 || gainDb > 0.01) {
      ADD_FAILURE() << "signals written to "
                    << test::writeFailureWavs("filterbank-tone", test::toPcm16(in),
                                              test::toPcm16(out),
                                              static_cast<std::uint32_t>(c.rate));
    }
  }
}

TEST(FilterBank, InitPrimesEveryBandWithOneZeroAndNeedsAFullHopForTheNextFrame) {
  Bank bank(kLowRate);
  for (const auto& q : bank.queues) {
    ASSERT_EQ(q->Count(), 1);
  }
  EXPECT_EQ(bank.split.FrameIndex(), 1);
  std::vector<float> in(7, 1.0f);
  const float* p = in.data();
  int count = 7;
  EXPECT_TRUE(bank.split.Analyze(p, count, 1));  // the primed frame is still queued
  EXPECT_EQ(count, 0);
  EXPECT_EQ(p, in.data() + 7);
  EXPECT_EQ(bank.queues[0]->Count(), 1);
  const float one = 1.0f;
  p = &one;
  count = 1;
  EXPECT_TRUE(bank.split.Analyze(p, count, 1));
  EXPECT_EQ(bank.queues[0]->Count(), 2);  // the partial hop counted toward this frame
  float popped = bank.queues[5]->Pop();
  EXPECT_EQ(popped, 0.0f);

  int n = -1;
  std::vector<float> block(260 * 8);
  bank.recom.Synthesize(block.data(), n);
  EXPECT_EQ(n, 16);  // band 0 held two frames (band 5 only one, read as 0): F comes from band 0
  bank.recom.Synthesize(block.data(), n);
  EXPECT_EQ(n, 0);
}

TEST(FilterBank, StrideTwoReadsOnlyItsOwnChannel) {
  // Left channel carries a tone, right channel a much louder one: a bank reading from the
  // right channel's first float with stride 2 must see only the right tone.
  const std::vector<float> left = test::floatSine(500, 8000, 8000, 100.0);
  const std::vector<float> right = test::floatSine(1500, 8000, 8000, 3000.0);
  std::vector<float> interleaved(16000);
  for (std::size_t i = 0; i < 8000; ++i) {
    interleaved[2 * i] = left[i];
    interleaved[2 * i + 1] = right[i];
  }
  Bank stereo(kLowRate);
  Bank mono(kLowRate);
  std::vector<float> fromStereo;
  std::vector<float> block(260 * 8);
  const float* p = interleaved.data() + 1;
  int count = 999;  // 500 samples of the right channel, the count falling by 2 each
  while (stereo.split.Analyze(p, count, 2)) {
    int n = 0;
    stereo.recom.Synthesize(block.data(), n);
    fromStereo.insert(fromStereo.end(), block.begin(), block.begin() + n);
    if (count <= 0) {
      break;
    }
  }
  EXPECT_EQ(count, -1);
  EXPECT_EQ(p, interleaved.data() + 1001);
  const std::vector<float> fromMono =
      mono.run(std::vector<float>(right.begin(), right.begin() + 500));
  EXPECT_EQ(fromStereo, fromMono);
}

TEST(FilterBank, FullFirstBandQueueStopsConsumption) {
  Bank bank(kLowRate);
  std::vector<float> in(8 * 300, 1.0f);
  const float* p = in.data();
  int count = static_cast<int>(in.size());
  EXPECT_TRUE(bank.split.Analyze(p, count, 1));
  EXPECT_TRUE(bank.queues[0]->IsFull());
  EXPECT_EQ(bank.queues[0]->Count(), 260);
  const int left = count;
  EXPECT_EQ(left, 8 * 300 - 8 * 259);
  EXPECT_TRUE(bank.split.Analyze(p, count, 1));
  EXPECT_EQ(count, left);
}

TEST(FilterBank, SilenceStaysExactlyZeroAndTheAccumulatorEmptiesAfterASignal) {
  for (const BankShape shape : {kLowRate, kHighRate}) {
    std::vector<float> in = test::floatSine(700, 8000, 3000, 5000.0);
    in.resize(9000, 0.0f);
    Bank bank(shape);
    const std::vector<float> out = bank.run(in);
    ASSERT_GE(out.size(), 8000u);
    const std::size_t settled = 3000 + 4 * static_cast<std::size_t>(shape.M);
    for (std::size_t i = settled; i < out.size(); ++i) {
      ASSERT_EQ(out[i], 0.0f) << "at " << i;
    }
    Bank quiet(shape);
    for (const float v : quiet.run(std::vector<float>(5000, 0.0f))) {
      ASSERT_EQ(v, 0.0f);
    }
  }
}

// The frame-batch path must give the queue path's output bit for bit, whatever the shape
// (including a band count without its own compiled loops), the suppression, the piece sizes
// and the batch limit.
TEST(FilterBank, FrameBatchesMatchTheBandQueuesExactly) {
  struct Case {
    BankShape shape;
    bool suppress;
    int piece;
    int batch;
  } cases[] = {
      {kLowRate, false, 1000, 260}, {kLowRate, true, 333, 260}, {kLowRate, true, 7, 2},
      {kHighRate, true, 1000, 260}, {kHighRate, true, 4096, 5}, {kHighRate, false, 17, 260},
      {{8, 4, 32}, true, 250, 260}, {{8, 4, 32}, false, 3, 1},
  };
  std::vector<float> input = test::floatSine(440.0, 8000.0, 12000, 3000.0);
  std::uint32_t state = 99;
  for (std::size_t i = 0; i < input.size(); ++i) {
    state = state * 1664525u + 1013904223u;
    const float noise = static_cast<float>(static_cast<int>(state >> 23) - 256);
    input[i] = ((i / 1500) % 2 == 0 ? input[i] : 0.0f) + noise;  // bursts over noise
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "K " << c.shape.K << ", suppress " << c.suppress
                                    << ", piece " << c.piece << ", batch " << c.batch);
    Bank queued(c.shape, c.suppress);
    Bank batched(c.shape, c.suppress);
    const std::vector<float> expected = queued.run(input, c.piece);
    const std::vector<float> actual = batched.runBatched(input, c.piece, c.batch);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      ASSERT_EQ(std::memcmp(&actual[i], &expected[i], sizeof(float)), 0)
          << "at " << i << ": " << actual[i] << " vs " << expected[i];
    }
  }
}

TEST(FilterBank, UnusableParametersAreReportedAndProduceNothing) {
  test::DspTraceCapture traced;
  CSampleQueue queue;
  queue.Init(256);
  CSampleQueue* pointers[1] = {&queue};
  CSplit split;
  EXPECT_FALSE(split.Init(1, 0, 8, pointers, 0));
  std::vector<float> in(32, 1.0f);
  const float* p = in.data();
  int count = 32;
  EXPECT_FALSE(split.Analyze(p, count, 1));
  EXPECT_TRUE(queue.IsEmpty());
  float frames[16];
  EXPECT_EQ(split.AnalyzeFrames(p, count, 1, frames, 1), 0);
  EXPECT_EQ(count, 32);

  CRecom recom;
  recom.Init(16, 8, 64, nullptr);
  int n = -1;
  float out[8];
  recom.Synthesize(out, n);
  EXPECT_EQ(n, 0);
  CRecom unusable;
  EXPECT_FALSE(unusable.Init(16, 0, 64, nullptr));
  EXPECT_EQ(unusable.SynthesizeFrames(frames, 1, out), 0);
  const std::vector<std::string> expected = {"CSplit - invalid m_K, m_N, or m_M",
                                             "CSplit - invalid m_K, m_N, or m_M",
                                             "CRecom - no m_pRecomBuffers"};
  EXPECT_EQ(traced.messages(), expected);
}

}  // namespace
}  // namespace qp::dsp
