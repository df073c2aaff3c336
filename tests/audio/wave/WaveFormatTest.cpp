#include "audio/wave/WaveFormat.h"

#include <gtest/gtest.h>

namespace qp {
namespace {

TEST(WaveFormat, SetDerivesAverageRateAndBlockAlign) {
  WaveFormat f;
  f.set(1, 11025, 16);
  EXPECT_EQ(f.wFormatTag, 1);
  EXPECT_EQ(f.nAvgBytesPerSec, 22050u);
  EXPECT_EQ(f.nBlockAlign, 2);
  f.set(2, 44100, 8);
  EXPECT_EQ(f.nAvgBytesPerSec, 88200u);
  EXPECT_EQ(f.nBlockAlign, 2);
  f.set(2, 48000, 12);  // 12 / 8 is 1: the derived fields use the integer division
  EXPECT_EQ(f.nBlockAlign, 2);
  EXPECT_EQ(f.nAvgBytesPerSec, 96000u);
  EXPECT_EQ(f.cbSize, 0);
}

TEST(WaveFormat, CopyKeepsFieldsAsTheyStandButClearsExtraSize) {
  WaveFormat odd;
  odd.wFormatTag = 0xFFFE;
  odd.nChannels = 2;
  odd.nSamplesPerSec = 48000;
  odd.nAvgBytesPerSec = 12345;  // inconsistent on purpose: copied, not recomputed
  odd.nBlockAlign = 7;
  odd.wBitsPerSample = 24;
  odd.cbSize = 22;
  WaveFormat copy;
  copy.copy(odd);
  EXPECT_EQ(copy.wFormatTag, 0xFFFE);
  EXPECT_EQ(copy.nAvgBytesPerSec, 12345u);
  EXPECT_EQ(copy.nBlockAlign, 7);
  EXPECT_EQ(copy.cbSize, 0);
}

TEST(WaveFormat, DefaultIsMono11025Hz16Bit) {
  EXPECT_EQ(WaveFormat{}, WaveFormat::pcm(1, 11025, 16));
}

TEST(WaveFormat, BytesAreLittleEndianAndRoundTrip) {
  const auto f = WaveFormat::pcm(1, 22050, 16);
  const auto bytes = f.toBytes();
  const std::array<std::uint8_t, 18> expected = {1,    0, 1, 0, 0x22, 0x56, 0, 0, 0x44,
                                                 0xAC, 0, 0, 2, 0,    16,   0, 0, 0};
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(WaveFormat::fromBytes(bytes.data()), f);
}

}  // namespace
}  // namespace qp
