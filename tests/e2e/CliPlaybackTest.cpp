// Playing through the playback controller of quillophone-cli on the test sound server: what
// arrives at the null sink, heard back through its monitor.
#include <gtest/gtest.h>

#include "support/LoudPart.h"
#include "support/ProcessRunner.h"
#include "support/SignalGenerators.h"
#include "support/SinkMonitor.h"
#include "support/TempDir.h"
#include "support/WavFiles.h"

namespace qp {
namespace {

using test::runCommand;
using test::shellQuote;

class CliPlaybackTest : public testing::Test {
 protected:
  std::string toneNote(const std::string& name, double seconds) {
    return test::writeWavNote(
        dir_.file(name), WaveFormat::pcm(1, 11025, 16),
        test::sine(700, 11025, static_cast<std::size_t>(11025 * seconds), 12000));
  }
  // Seconds of loud sound from the first loud sample to the last one.
  double loudSeconds(const std::string& heard) {
    return test::loudSeconds(test::readWavSamples(heard), 22050.0);
  }
  // Runs the play command while the sink's monitor is recorded; prints its exit status.
  test::ProcessResult playListening(const std::string& playArgs, const std::string& heard) {
    return runCommand(test::whileRecordingSinkMonitor(heard, cli_ + " play " + playArgs));
  }
  test::TempDir dir_;
  const std::string cli_ = test::cliCommand();
};

TEST_F(CliPlaybackTest, ASelectionArrivesAtTheSinkWithItsLength) {
  const std::string note = toneNote("tone.wav", 4.0);
  const std::string heard = dir_.file("heard.wav");
  const auto r = playListening(shellQuote(note) + " --from 0.25 --to 0.5", heard);
  EXPECT_EQ(r.out, "0\n") << r.err;
  EXPECT_NEAR(loudSeconds(heard), 1.0, 0.1);
}

TEST_F(CliPlaybackTest, SeveralNotesPlayInSequenceAndFasterAtASpeedPosition) {
  const std::string a = toneNote("a.wav", 1.0);
  const std::string b = toneNote("b.wav", 1.0);
  const std::string heard = dir_.file("heard.wav");
  const auto r = playListening(shellQuote(a) + " " + shellQuote(b) + " --speed -19", heard);
  EXPECT_EQ(r.out, "0\n") << r.err;
  // Two notes of 1 s at twice the speed, with the priming silence of the second between.
  const double seconds = loudSeconds(heard);
  EXPECT_GT(seconds, 0.9);
  EXPECT_LT(seconds, 1.5);
}

TEST_F(CliPlaybackTest, BadOptionsAreUsageErrors) {
  const std::string note = toneNote("tone.wav", 0.5);
  EXPECT_EQ(runCommand(cli_ + " play " + shellQuote(note) + " --speed 20").exitCode, 2);
  EXPECT_EQ(runCommand(cli_ + " play " + shellQuote(note) + " --from 1.5").exitCode, 2);
  EXPECT_EQ(runCommand(cli_ + " play").exitCode, 2);
}

}  // namespace
}  // namespace qp
