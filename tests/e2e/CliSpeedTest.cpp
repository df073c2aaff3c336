// quillophone-cli speed: a note through the player's speed step, read back by sox.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/BufferCompare.h"
#include "support/ProcessRunner.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"
#include "support/WavFiles.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

using test::readWavSamples;
using test::runCommand;
using test::shellQuote;

constexpr std::uint32_t kRate = 22050;
constexpr std::size_t kSamples = 3 * kRate;
constexpr double kToneHz = 440.0;

class CliSpeedTest : public testing::Test {
 protected:
  void SetUp() override {
    input_ = test::sine(kToneHz, kRate, kSamples, 12000.0);
    test::writeFileBytes(in_, test::simpleWav(1, kRate, 16, test::toBytes(input_)));
  }
  test::ProcessResult speed(const std::string& options) {
    return runCommand(test::cliCommand() + " speed " + shellQuote(in_) + " " + shellQuote(out_) +
                      " " + options);
  }
  test::TempDir dir_;
  std::string in_ = dir_.file("in.wav");
  std::string out_ = dir_.file("out.wav");
  std::vector<std::int16_t> input_;
};

TEST_F(CliSpeedTest, LengthAndPitchFollowTheSpeedPosition) {
  struct Row {
    const char* options;
    double lengthRatio;  // output samples per input sample after the 12-sample history
    int historySamples;
  };
  const Row rows[] = {{"--position -1", 99.0 / 100, 12}, {"--position 1", 101.0 / 100, 12},
                      {"--position -2", 51.0 / 52, 12},  {"--position 2", 53.0 / 52, 12},
                      {"--position -19", 1.0 / 2, 12},   {"--position 19", 3.0 / 2, 12},
                      {"--position=-10", 10.0 / 11, 12}, {"--fast", 1.0 / 2, 0}};
  const bool haveSox = test::haveProgram("sox");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.options);
    const auto r = speed(row.options);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::vector<std::int16_t> out = readWavSamples(out_);
    const double expected = (kSamples - row.historySamples) * row.lengthRatio;
    EXPECT_NEAR(static_cast<double>(out.size()), expected, 2.0);
    // The pitch moves with the speed: the tone comes out at 440 Hz times the speed.
    EXPECT_NEAR(test::dominantFrequency(out, kRate), kToneHz / row.lengthRatio, 2.0);
    if (haveSox) {
      const auto sox = runCommand("sox --i -s " + shellQuote(out_));
      EXPECT_EQ(sox.exitCode, 0) << sox.err;
      EXPECT_EQ(sox.out, std::to_string(out.size()) + "\n");
      EXPECT_EQ(runCommand("sox " + shellQuote(out_) + " -n stat").exitCode, 0);
    }
  }
}

TEST_F(CliSpeedTest, PositionZeroCopiesTheSamples) {
  const auto r = speed("--position 0");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(test::sameSamples(input_, readWavSamples(out_)));
}

TEST_F(CliSpeedTest, OtherFormatsAndBadUsageAreRefused) {
  const auto stereo = test::toBytes(test::sine(kToneHz, kRate, 2000));
  test::writeFileBytes(in_, test::simpleWav(2, kRate, 16, stereo));
  const auto r = speed("--position 3");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("mono 16-bit"), std::string::npos) << r.err;

  test::writeFileBytes(in_, test::simpleWav(1, kRate, 8, std::vector<std::uint8_t>(500, 128)));
  EXPECT_EQ(speed("--position 3").exitCode, 1);
  EXPECT_EQ(speed("").exitCode, 2);
  EXPECT_EQ(speed("--position 20").exitCode, 2);
  EXPECT_EQ(runCommand(test::cliCommand() + " speed " + shellQuote(dir_.file("none.wav")) + " " +
                       shellQuote(out_) + " --fast")
                .exitCode,
            1);
}

}  // namespace
}  // namespace qp
