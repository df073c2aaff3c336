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

TEST(WaveFormat, NotesAre16BitPcmMonoOrStereoAtSensibleRates) {
  const auto with = [](WaveFormat f, auto change) {
    change(f);
    return f;
  };
  const WaveFormat mono = WaveFormat::pcm(1, 22050, 16);
  struct Row {
    const char* what;
    WaveFormat format;
    bool plainPcm;
    bool note;
  } rows[] = {
      {"mono 22050 Hz", mono, true, true},
      {"stereo 48 kHz", WaveFormat::pcm(2, 48000, 16), true, true},
      {"lowest rate", WaveFormat::pcm(1, 1000, 16), true, true},
      {"highest rate", WaveFormat::pcm(2, 384000, 16), true, true},
      {"8-bit", WaveFormat::pcm(1, 8000, 8), true, false},
      {"24-bit", WaveFormat::pcm(2, 44100, 24), false, false},
      {"rate 0", WaveFormat::pcm(1, 0, 16), false, false},
      {"rate below the range", WaveFormat::pcm(1, 999, 16), false, false},
      {"rate above the range", WaveFormat::pcm(1, 384001, 16), false, false},
      {"rate 4294967295", with(mono, [](WaveFormat& f) { f.nSamplesPerSec = 0xFFFFFFFFu; }), false,
       false},
      {"no channels", WaveFormat::pcm(0, 8000, 16), false, false},
      {"three channels", WaveFormat::pcm(3, 8000, 16), false, false},
      {"65535 channels", with(mono, [](WaveFormat& f) { f.nChannels = 65535; }), false, false},
      {"format tag 3", with(mono, [](WaveFormat& f) { f.wFormatTag = 3; }), false, false},
      {"extensible", with(mono, [](WaveFormat& f) { f.wFormatTag = 0xFFFE; }), false, false},
      {"block size 0", with(mono, [](WaveFormat& f) { f.nBlockAlign = 0; }), false, false},
      {"byte rate 0", with(mono, [](WaveFormat& f) { f.nAvgBytesPerSec = 0; }), false, false},
      {"byte rate of stereo", with(mono, [](WaveFormat& f) { f.nAvgBytesPerSec *= 2; }), false,
       false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.format.isPlainPcm(), row.plainPcm) << row.what;
    EXPECT_EQ(row.format.isNote(), row.note) << row.what;
  }
}

}  // namespace
}  // namespace qp
