// WMA conversion over FFmpeg with real files: WAV -> WMA -> WAV keeps the length and the tone,
// a WMA made by the ffmpeg program decodes, a non-media file fails.
#include <gtest/gtest.h>

#include "export/WmaProfiles.h"
#include "platform/FfmpegWmaTranscoder.h"
#include "support/ProcessRunner.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"
#include "support/WavFiles.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

class FfmpegWmaTranscoderTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(transcoder_.available()); }
  FfmpegWmaTranscoder transcoder_;
  test::TempDir dir_;
};

TEST_F(FfmpegWmaTranscoderTest, RoundTripKeepsLengthAndTone) {
  for (std::uint32_t rate : {8000u, 22050u}) {
    const std::size_t count = 2 * rate + rate / 3;
    const std::string wav = dir_.file("in.wav");
    test::writeFileBytes(wav,
                         test::simpleWav(1, rate, 16, test::toBytes(test::sine(700, rate, count))));
    ASSERT_TRUE(transcoder_.wavToWma(wav, dir_.file("mid.wma"), WmaProfiles::kSpeechBitRate));
    ASSERT_TRUE(transcoder_.wmaToWav(dir_.file("mid.wma"), dir_.file("out.wav")));
    WaveFormat format;
    const auto out = test::readWavSamples(dir_.file("out.wav"), &format);
    EXPECT_EQ(format, WaveFormat::pcm(1, rate, 16)) << rate;
    EXPECT_NEAR(static_cast<double>(out.size()) / rate, static_cast<double>(count) / rate, 0.1)
        << rate;
    // One second from the middle, clear of the codec's delay and padding.
    ASSERT_GT(out.size(), 3 * rate / 2);
    const std::vector<std::int16_t> middle(out.begin() + rate / 2, out.begin() + 3 * rate / 2);
    EXPECT_NEAR(test::dominantFrequency(middle, rate), 700.0, 3.0) << rate;
  }
}

TEST_F(FfmpegWmaTranscoderTest, ProfilesGiveDifferentBitRates) {
  const std::string wav = dir_.file("in.wav");
  test::writeFileBytes(wav,
                       test::simpleWav(1, 22050, 16, test::toBytes(test::noise(22050 * 4, 8000))));
  ASSERT_TRUE(transcoder_.wavToWma(wav, dir_.file("speech.wma"), WmaProfiles::kSpeechBitRate));
  ASSERT_TRUE(transcoder_.wavToWma(wav, dir_.file("higher.wma"), WmaProfiles::kHigherBitRate));
  EXPECT_LT(std::filesystem::file_size(dir_.file("speech.wma")) * 3 / 2,
            std::filesystem::file_size(dir_.file("higher.wma")));
}

TEST_F(FfmpegWmaTranscoderTest, DecodesAStereoWmaMadeByTheFfmpegProgram) {
  if (!test::haveProgram("ffmpeg")) {
    GTEST_SKIP() << "ffmpeg not installed";
  }
  const std::string wma = dir_.file("made.wma");
  const auto r = test::runCommand(
      "ffmpeg -v error -y -f lavfi -i sine=f=500:r=44100:d=1.5 -ac 2 "
      "-c:a wmav2 -b:a 64k " +
      test::shellQuote(wma));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  ASSERT_TRUE(transcoder_.wmaToWav(wma, dir_.file("made.wav")));
  WaveFormat format;
  const auto out = test::readWavSamples(dir_.file("made.wav"), &format);
  EXPECT_EQ(format, WaveFormat::pcm(2, 44100, 16));
  EXPECT_NEAR(static_cast<double>(out.size()) / 2 / 44100, 1.5, 0.1);
}

TEST_F(FfmpegWmaTranscoderTest, NonMediaSourceFails) {
  test::writeFileBytes(dir_.file("text.wma"), {'h', 'e', 'l', 'l', 'o'});
  EXPECT_FALSE(transcoder_.wmaToWav(dir_.file("text.wma"), dir_.file("o.wav")));
  EXPECT_FALSE(transcoder_.wavToWma(dir_.file("missing.wav"), dir_.file("o.wma"), 32000));
}

}  // namespace
}  // namespace qp
