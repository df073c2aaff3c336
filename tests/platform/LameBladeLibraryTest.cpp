// The MP3 layer over the system's encoder library, driven by CMp3Encoder, checked with
// ffprobe and ffmpeg as independent readers. An incomplete library (a stub built beside this
// test) or a missing one leaves MP3 off.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "export/CMp3Encoder.h"
#include "export/Mp3StreamConfig.h"
#include "platform/LameBladeLibrary.h"
#include "support/ProcessRunner.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

using test::probeField;
using test::runCommand;
using test::shellQuote;

// Samples per channel ffmpeg decodes from the file.
double decodedFrames(const std::string& path, const test::TempDir& dir) {
  const std::string raw = dir.file("decoded.raw");
  runCommand("ffmpeg -v error -y -i " + shellQuote(path) + " -f s16le -acodec pcm_s16le " +
             shellQuote(raw));
  return static_cast<double>(test::readFileBytes(raw).size() / 2);
}

class LameBladeLibraryTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!test::haveProgram("ffprobe") || !test::haveProgram("ffmpeg")) {
      GTEST_SKIP() << "ffprobe/ffmpeg not installed";
    }
    library_ = LameBladeLibrary::load();
    if (!library_) {
      GTEST_SKIP() << "libmp3lame.so.0 not installed";
    }
  }
  std::string note(std::size_t samples, std::uint32_t rate = 8000) {
    const std::string path = dir_.file("note.wav");
    test::writeFileBytes(
        path, test::simpleWav(1, rate, 16, test::toBytes(test::sine(440, rate, samples))));
    return path;
  }

  test::TempDir dir_;
  std::unique_ptr<LameBladeLibrary> library_;
  std::string target_ = dir_.file("note.mp3");
};

TEST_F(LameBladeLibraryTest, MonoNarrowbandNoteBecomesA32KbitMonoMp3OfTheSameLength) {
  CMp3Encoder encoder(std::move(library_));
  ASSERT_TRUE(encoder.available());
  const std::size_t samples = 3 * 8000 + 123;
  ASSERT_TRUE(encoder.encode(note(samples), target_));

  EXPECT_EQ(probeField(target_, "stream=codec_name"), "mp3");
  EXPECT_EQ(probeField(target_, "stream=channels"), "1");
  EXPECT_EQ(probeField(target_, "stream=sample_rate"), "8000");
  EXPECT_EQ(probeField(target_, "stream=bit_rate"), "32000");
  // The information tag trims the encoder delay and padding: within one frame (576 samples).
  EXPECT_NEAR(decodedFrames(target_, dir_), static_cast<double>(samples), 576);
  const auto bytes = test::readFileBytes(target_);
  const std::string head(bytes.begin(), bytes.begin() + std::min<std::size_t>(bytes.size(), 64));
  EXPECT_NE(head.find("Info"), std::string::npos) << "no information tag in the first frame";
}

TEST_F(LameBladeLibraryTest, StereoNoteIsJointStereo) {
  const std::string path = dir_.file("stereo.wav");
  std::vector<std::int16_t> frames;
  for (auto s : test::sine(300, 22050, 22050)) {
    frames.push_back(s);
    frames.push_back(static_cast<std::int16_t>(s / 2));
  }
  test::writeFileBytes(path, test::simpleWav(2, 22050, 16, test::toBytes(frames)));
  CMp3Encoder encoder(std::move(library_));
  ASSERT_TRUE(encoder.encode(path, target_));
  EXPECT_EQ(probeField(target_, "stream=channels"), "2");
  // At 32 kbit/s the encoder may lower the sample rate; the length stays.
  const double rate = std::atof(probeField(target_, "stream=sample_rate").c_str());
  ASSERT_GT(rate, 0.0);
  EXPECT_NEAR(decodedFrames(target_, dir_) / 2 / rate, 1.0, 0.1);
}

TEST_F(LameBladeLibraryTest, EmptyNoteGivesADecodableFlushOnlyFile) {
  CMp3Encoder encoder(std::move(library_));
  ASSERT_TRUE(encoder.encode(note(0), target_));
  EXPECT_GT(std::filesystem::file_size(target_), 0u);
  EXPECT_LE(decodedFrames(target_, dir_), 576 * 2);
}

TEST_F(LameBladeLibraryTest, RejectsUnknownStreamsAndVariableBitRate) {
  std::uint32_t written = 0;
  std::uint8_t out[16];
  EXPECT_EQ(library_->beEncodeChunk(12345, 0, nullptr, out, written), 4u);
  EXPECT_EQ(library_->beCloseStream(12345), 4u);
  Mp3StreamConfig config = Mp3StreamConfig::forNote(8000, 1);
  config.enableVbr = 1;
  const auto bytes = config.toBytes();
  std::uint32_t spc = 0, size = 0;
  Mp3EncoderLibrary::Stream stream = 0;
  EXPECT_NE(library_->beInitStream(bytes.data(), spc, size, stream), 0u);
}

TEST(LameBladeLibraryLoadTest, LibraryWithoutTheTagFunctionOffersNoMp3) {
  auto stub = LameBladeLibrary::load(QP_MP3_STUB_LIBRARY);
  ASSERT_TRUE(stub);
  EXPECT_TRUE(stub->hasEntryPoint("beInitStream"));
  EXPECT_TRUE(stub->hasEntryPoint("beEncodeChunk"));
  EXPECT_FALSE(stub->hasEntryPoint("beWriteInfoTag"));
  CMp3Encoder encoder(std::move(stub));
  EXPECT_FALSE(encoder.available());
}

TEST(LameBladeLibraryLoadTest, MissingLibraryLoadsNothing) {
  EXPECT_FALSE(LameBladeLibrary::load("/nonexistent/libmp3lame.so.0"));
  CMp3Encoder encoder(LameBladeLibrary::load("/nonexistent/libmp3lame.so.0"));
  EXPECT_FALSE(encoder.available());
}

}  // namespace
}  // namespace qp
