// The Silkvoice output, bit for bit: a fixed input at every rate band and channel layout must
// give exactly the bytes it gave when the figures below were recorded. Any change to the
// filter banks, the queues between them or the arithmetic order shows here, so a speed-up
// that is meant to change nothing can prove it. The figures hold for the project's x86-64
// build (SSE2 arithmetic, no fused multiply-add, glibc's sin and cos for the tables): a
// deliberate change of the output, or of those, records them anew.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "audio/device/BufferSizing.h"
#include "dsp/CSilkvoiceFilter.h"

namespace qp::dsp {
namespace {

// Two seconds of a tone in bursts over noise from a fixed generator, 16-bit, interleaved;
// gain 12 drives the output into the 16-bit limits.
std::vector<std::int16_t> fixedInput(std::uint32_t rate, int channels, int gain) {
  const std::size_t frames = 2 * rate;
  std::vector<std::int16_t> out(frames * static_cast<std::size_t>(channels));
  std::uint32_t state = 12345;
  std::int32_t phase = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    state = state * 1664525u + 1013904223u;
    const auto noise = static_cast<std::int32_t>(state >> 22) - 512;  // -512..511
    phase = (phase + 97) % 4000;
    const std::int32_t tone = (i / rate) % 2 == 0 ? (phase < 2000 ? 3000 : -3000) : 0;
    out[i] = static_cast<std::int16_t>(std::clamp((tone + noise) * gain, -32768, 32767));
  }
  return out;
}

// FNV-1a over the bytes the filter returned, block after block, and over each count.
std::uint64_t outputHash(std::uint32_t rate, int channels, int gain) {
  std::vector<std::int16_t> samples = fixedInput(rate, channels, gain);
  CSilkvoiceFilter filter;
  EXPECT_TRUE(filter.Configure(rate, 16, channels));
  const std::uint32_t block =
      BufferSizing::mainRecorderBufferBytes(rate) * static_cast<std::uint32_t>(channels);
  auto* bytes = reinterpret_cast<std::uint8_t*>(samples.data());
  const auto total = static_cast<std::uint32_t>(samples.size() * 2);
  std::uint64_t hash = 14695981039346656037ull;
  auto mix = [&hash](std::uint8_t byte) {
    hash ^= byte;
    hash *= 1099511628211ull;
  };
  for (std::uint32_t at = 0; at < total; at += block) {
    const std::uint32_t n = filter.Process(bytes + at, std::min(block, total - at));
    for (int shift = 0; shift < 32; shift += 8) {
      mix(static_cast<std::uint8_t>(n >> shift));
    }
    for (std::uint32_t i = 0; i < n; ++i) {
      mix(bytes[at + i]);
    }
  }
  return hash;
}

TEST(SilkvoiceGoldenTest, OutputIsBitForBitAsRecorded) {
  struct Row {
    std::uint32_t rate;
    int channels;
    int gain;
    std::uint64_t hash;
  } rows[] = {
      {8000, 1, 1, 0x077c4802655f4395ull},  {11025, 1, 1, 0x076b5947be7de1c9ull},
      {16000, 1, 1, 0x04f23e456047f92dull}, {22050, 1, 1, 0x4d4df3740d1603c6ull},
      {44100, 1, 1, 0x9d9535a6058bbb27ull}, {22050, 2, 1, 0x801509fec2339c1aull},
      {8000, 1, 12, 0x79d8c9b8b877121eull}, {22050, 2, 12, 0xcf0c22d984af6638ull},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << row.rate << " Hz, " << row.channels << " channel(s), gain " << row.gain);
    const std::uint64_t hash = outputHash(row.rate, row.channels, row.gain);
    EXPECT_EQ(hash, row.hash) << std::hex << "0x" << hash;
  }
}

}  // namespace
}  // namespace qp::dsp
