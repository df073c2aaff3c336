// The PCM front end: formats accepted, in-place processing in passes, returned byte counts,
// independence from how the stream is cut into blocks, 8-bit and stereo streams.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "audio/device/BufferSizing.h"
#include "dsp/CSilkvoiceFilter.h"
#include "support/BufferCompare.h"
#include "support/DspTestSignals.h"
#include "support/SignalGenerators.h"

namespace qp::dsp {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Feeds the stream block by block (sizes repeat cyclically) and concatenates what each call
// returns, checking that no call returns more than it was given.
Bytes runFilter(std::uint32_t rate, int bits, int channels, const Bytes& stream,
                const std::vector<std::uint32_t>& blocks) {
  CSilkvoiceFilter filter;
  EXPECT_TRUE(filter.Configure(rate, bits, channels));
  Bytes out;
  std::size_t at = 0;
  for (std::size_t i = 0; at < stream.size(); ++i) {
    const std::size_t n = std::min<std::size_t>(blocks[i % blocks.size()], stream.size() - at);
    Bytes block(stream.begin() + static_cast<long>(at), stream.begin() + static_cast<long>(at + n));
    const std::uint32_t r = filter.Process(block.data(), static_cast<std::uint32_t>(n));
    EXPECT_LE(r, n);
    out.insert(out.end(), block.begin(), block.begin() + r);
    at += n;
  }
  return out;
}

Bytes speechLike(std::uint32_t rate, std::size_t samples) {
  std::vector<std::int16_t> s = test::noise(samples, 300.0, 3);
  const std::vector<std::int16_t> voice = test::sine(220.0, rate, samples, 6000.0);
  for (std::size_t i = 0; i < samples; ++i) {
    if ((i / (rate / 4)) % 3 == 1) {
      s[i] = static_cast<std::int16_t>(s[i] + voice[i]);
    }
  }
  return test::toBytes(s);
}

TEST(CSilkvoiceFilter, AcceptsOnly8Or16BitMonoOrStereo) {
  CSilkvoiceFilter filter;
  EXPECT_FALSE(filter.Configured());
  Bytes block(100, 1);
  EXPECT_EQ(filter.Process(block.data(), 100), 0u);
  for (const int bits : {0, 4, 12, 24, 32}) {
    EXPECT_FALSE(filter.Configure(8000, bits, 1)) << bits;
  }
  for (const int channels : {0, 3, 6}) {
    EXPECT_FALSE(filter.Configure(8000, 16, channels)) << channels;
  }
  EXPECT_FALSE(filter.Configure(0, 16, 1));
  EXPECT_FALSE(filter.Configured());
  EXPECT_TRUE(filter.Configure(11025, 16, 1));
  EXPECT_TRUE(filter.Configure(22050, 8, 2));
  EXPECT_EQ(filter.Chain(1)->Stride(), 2);
  EXPECT_EQ(filter.Chain(1)->Offset(), 1);
  EXPECT_EQ(filter.Process(block.data(), 0), 0u);
}

struct StreamRow {
  std::uint32_t rate;
  int bits;
  int channels;
};

TEST(CSilkvoiceFilter, OutputDoesNotDependOnHowTheStreamIsCut) {
  const StreamRow rows[] = {{8000, 16, 1},  {11025, 16, 1}, {22050, 16, 1}, {44100, 16, 1},
                            {48000, 16, 1}, {32000, 16, 2}, {11025, 8, 1},  {8000, 8, 2}};
  for (const StreamRow& row : rows) {
    SCOPED_TRACE(std::to_string(row.rate) + " Hz " + std::to_string(row.bits) + " bit " +
                 std::to_string(row.channels) + " ch");
    const std::uint32_t frame = static_cast<std::uint32_t>(row.bits / 8 * row.channels);
    Bytes stream = speechLike(row.rate, row.rate * 2);
    if (row.bits == 8) {
      for (std::size_t i = 0; i < stream.size(); i += 2) {
        stream[i / 2] = stream[i + 1] ^ 0x80;  // the high bytes as unsigned 8-bit samples
      }
      stream.resize(stream.size() / 2);
    }
    stream.resize(stream.size() / frame * frame);
    const Bytes whole = runFilter(row.rate, row.bits, row.channels, stream,
                                  {static_cast<std::uint32_t>(stream.size())});
    EXPECT_GE(whole.size() + 4 * 512 * frame, stream.size());
    const Bytes odd = runFilter(row.rate, row.bits, row.channels, stream,
                                {333 * frame, frame, 4097 * frame, 12 * frame, 1000 * frame});
    const std::size_t common = std::min(whole.size(), odd.size());
    EXPECT_TRUE(test::sameBytes(Bytes(whole.begin(), whole.begin() + static_cast<long>(common)),
                                Bytes(odd.begin(), odd.begin() + static_cast<long>(common))));
    EXPECT_GE(common + 4096 * frame, whole.size());
  }
}

TEST(CSilkvoiceFilter, TenThousandSamplesGoInPassesOf4096_4096And1808) {
  const Bytes stream = speechLike(8000, 10000);
  const Bytes oneCall = runFilter(8000, 16, 1, stream, {20000});
  const Bytes passes = runFilter(8000, 16, 1, stream, {8192, 8192, 3616});
  EXPECT_TRUE(test::sameBytes(oneCall, passes));
  // A different cut that does not line up with the passes gives the same stream too.
  const Bytes other = runFilter(8000, 16, 1, stream, {6000, 14000});
  EXPECT_TRUE(test::sameBytes(oneCall, other));
}

TEST(CSilkvoiceFilter, RecorderBlocksNeverReturnMoreThanGiven) {
  for (const std::uint32_t rate : {8000u, 11025u, 22050u, 44100u}) {
    SCOPED_TRACE(std::to_string(rate) + " Hz");
    const Bytes stream = speechLike(rate, rate * 3);
    const std::uint32_t block = BufferSizing::mainRecorderBufferBytes(rate);
    const Bytes out = runFilter(rate, 16, 1, stream, {block});  // checks every call
    EXPECT_GE(out.size() + 2 * 2048, stream.size());
  }
}

TEST(CSilkvoiceFilter, SilenceGivesExactSilence) {
  for (const std::uint32_t rate : {8000u, 22050u, 48000u}) {
    const Bytes out16 = runFilter(rate, 16, 2, Bytes(rate * 4, 0), {1200});
    EXPECT_GT(out16.size(), rate * 3);
    EXPECT_TRUE(std::all_of(out16.begin(), out16.end(), [](std::uint8_t b) { return b == 0; }));
    const Bytes out8 = runFilter(rate, 8, 1, Bytes(rate, 128), {600});
    EXPECT_TRUE(std::all_of(out8.begin(), out8.end(), [](std::uint8_t b) { return b == 128; }));
  }
}

TEST(CSilkvoiceFilter, EightBitToneIsProcessedOnItsOwnScale) {
  const std::vector<std::int16_t> tone = test::sine(440, 8000, 16000, 100.0);
  Bytes stream(tone.size());
  for (std::size_t i = 0; i < tone.size(); ++i) {
    stream[i] = static_cast<std::uint8_t>(tone[i] + 128);
  }
  const Bytes out = runFilter(8000, 8, 1, stream, {400});
  std::vector<float> in(stream.size());
  std::vector<float> processed(out.size());
  for (std::size_t i = 0; i < stream.size(); ++i) {
    in[i] = static_cast<float>(stream[i]) - 128.0f;
  }
  for (std::size_t i = 0; i < out.size(); ++i) {
    processed[i] = static_cast<float>(out[i]) - 128.0f;
  }
  // A steady tone is noise to the filter: 14 dB down (plus the truncation toward zero).
  const double level =
      test::decibels(test::rmsOf(processed, 4000, 12000), test::rmsOf(in, 4000, 12000));
  EXPECT_NEAR(level, -14.5, 1.0);
}

TEST(CSilkvoiceFilter, StereoChannelsAreProcessedSeparately) {
  const std::vector<std::int16_t> left = test::sine(700, 11025, 11025, 9000.0);
  std::vector<std::int16_t> interleaved(2 * left.size(), 0);
  for (std::size_t i = 0; i < left.size(); ++i) {
    interleaved[2 * i] = left[i];
  }
  const Bytes stereo = runFilter(11025, 16, 2, test::toBytes(interleaved), {2400});
  const Bytes mono = runFilter(11025, 16, 1, test::toBytes(left), {1200});
  const std::vector<std::int16_t> s = test::fromBytes(stereo);
  const std::vector<std::int16_t> m = test::fromBytes(mono);
  ASSERT_EQ(s.size(), 2 * m.size());
  std::vector<std::int16_t> leftOut(m.size());
  for (std::size_t i = 0; i < m.size(); ++i) {
    leftOut[i] = s[2 * i];
    ASSERT_EQ(s[2 * i + 1], 0) << i;
  }
  EXPECT_TRUE(test::sameSamples(m, leftOut));
}

TEST(CSilkvoiceFilter, BurstsPassWhileTheBackgroundIsPressedDown) {
  for (const std::uint32_t rate : {8000u, 22050u, 44100u}) {
    SCOPED_TRACE(std::to_string(rate) + " Hz");
    const std::size_t count = rate * 6;
    std::vector<std::int16_t> in = test::noise(count, 300.0, 11);
    const std::vector<std::int16_t> tone = test::sine(1000, rate, count, 8000.0);
    const std::size_t period = rate * 3 / 4;
    const std::size_t burst = rate / 4;
    for (std::size_t i = 0; i < count; ++i) {
      if (i % period < burst) {
        in[i] = static_cast<std::int16_t>(in[i] + tone[i]);
      }
    }
    const std::vector<std::int16_t> out =
        test::fromBytes(runFilter(rate, 16, 1, test::toBytes(in), {4000}));
    // The chain's lag: 2 M - N at the bank's rate (times 3 above 24000 Hz, plus the
    // converter's own delay).
    const std::size_t delay = rate == 8000 ? 120 : rate == 22050 ? 240 : 743;
    double burstIn = 0, burstOut = 0, gapIn = 0, gapOut = 0;
    for (std::size_t i = 2 * rate; i + delay < out.size(); ++i) {
      const std::size_t phase = i % period;
      const double x = in[i];
      const double y = out[i + delay];
      if (phase > rate / 10 && phase < burst - rate / 20) {
        burstIn += x * x;
        burstOut += y * y;
      } else if (phase > burst + rate / 5 && phase < period - rate / 20) {
        gapIn += x * x;
        gapOut += y * y;
      }
    }
    const double burstDb = 10.0 * std::log10(burstOut / burstIn);
    const double gapDb = 10.0 * std::log10(gapOut / gapIn);
    EXPECT_GT(burstDb, -2.0);
    EXPECT_LT(gapDb, -12.0);
    if (burstDb <= -2.0 || gapDb >= -12.0) {
      ADD_FAILURE() << test::writeFailureWavs("silkvoice-bursts", in, out, rate);
    }
  }
}

TEST(CSilkvoiceFilter, TrailingBytesThatMakeNoSampleAreNotReturned) {
  CSilkvoiceFilter filter;
  filter.Configure(8000, 16, 1);
  Bytes block = speechLike(8000, 4000);
  block.push_back(0x55);
  const std::uint32_t r = filter.Process(block.data(), static_cast<std::uint32_t>(block.size()));
  EXPECT_EQ(r % 2, 0u);
  EXPECT_LE(r, 8000u);
}

TEST(CSilkvoiceFilter, LoudSignalsClampInsteadOfWrapping) {
  // Quiet noise to settle the noise estimate, then a full-scale square wave: the bank's
  // ringing overshoots, which must saturate, never flip sign.
  std::vector<std::int16_t> s = test::noise(16000, 50.0, 9);
  for (int i = 0; i < 16000; ++i) {
    s.push_back((i / 40) % 2 == 0 ? 32767 : -32768);
  }
  const std::vector<std::int16_t> out =
      test::fromBytes(runFilter(8000, 16, 1, test::toBytes(s), {800}));
  const std::size_t delay = 120;
  int clamped = 0;
  for (std::size_t i = 16000 + 2000; i + delay < s.size() && i < out.size(); ++i) {
    const int expected = s[i - delay];
    const int phase = static_cast<int>((i - delay - 16000) % 40);
    if (phase > 8 && phase < 32) {  // well inside a half period
      ASSERT_GT(expected > 0 ? out[i] : -out[i], 0) << i;
    }
    clamped += out[i] == 32767 || out[i] == -32768;
  }
  EXPECT_GT(clamped, 0);
}

}  // namespace
}  // namespace qp::dsp
