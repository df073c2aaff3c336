// quillophone-cli info on notes written by the program and on files made by other tools.
#include <gtest/gtest.h>

#include "audio/wave/WaveFileWriter.h"
#include "support/ProcessRunner.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

using test::runCommand;
using test::shellQuote;

class CliNoteFilesTest : public testing::Test {
 protected:
  test::ProcessResult info(const std::string& path) {
    return runCommand(test::cliCommand() + " info " + shellQuote(path));
  }
  test::TempDir dir_;
};

TEST_F(CliNoteFilesTest, InfoPrintsEveryFieldOfANote) {
  const std::string path = dir_.file("note.wav");
  WaveFileWriter writer;
  ASSERT_TRUE(writer.open(path, WaveFormat::pcm(1, 11025, 16)));
  const auto samples = test::toBytes(test::sine(440, 11025, 11025 * 75));
  writer.write(samples.data(), static_cast<std::uint32_t>(samples.size()));
  ASSERT_TRUE(writer.close());
  const auto r = info(path);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out,
            "channels: 1\nrate: 11025\nbits: 16\nformat-tag: 1\ndata-bytes: 1653750\n"
            "length: 1 minute 15.0 seconds\nquality: Medium\n");
}

TEST_F(CliNoteFilesTest, IndependentReaderAgreesWithTheWriter) {
  if (!test::haveProgram("python3")) {
    GTEST_SKIP() << "python3 missing";
  }
  const std::string path = dir_.file("note.wav");
  WaveFileWriter writer;
  ASSERT_TRUE(writer.open(path, WaveFormat::pcm(1, 8000, 16)));
  const auto samples = test::sine(1000, 8000, 12345);
  const auto bytes = test::toBytes(samples);
  writer.write(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
  ASSERT_TRUE(writer.close());
  const auto r = runCommand(
      "python3 -c \"import wave,sys,struct; w=wave.open(sys.argv[1]); "
      "f=w.readframes(w.getnframes()); "
      "print(w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes(), "
      "struct.unpack('<h', f[2000:2002])[0])\" " +
      shellQuote(path));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "1 2 8000 12345 " + std::to_string(samples[1000]) + "\n");
  const auto sox = runCommand("sox --i -s " + shellQuote(path));
  EXPECT_EQ(sox.out, "12345\n") << sox.err;
}

struct ToolFile {
  const char* what;
  const char* command;  // makes $OUT
  const char* expected;
};

TEST_F(CliNoteFilesTest, FilesFromOtherToolsOpenWithTheRightFields) {
  if (!test::haveProgram("sox") || !test::haveProgram("ffmpeg")) {
    GTEST_SKIP() << "sox or ffmpeg missing";
  }
  const ToolFile files[] = {
      {"sox 8-bit", "sox -n -r 8000 -c 1 -b 8 -e unsigned $OUT synth 1 sine 300",
       "channels: 1\nrate: 8000\nbits: 8\nformat-tag: 1\ndata-bytes: 8000\n"},
      {"sox stereo 48 kHz", "sox -n -r 48000 -c 2 -b 16 $OUT synth 0.5 sine 440",
       "channels: 2\nrate: 48000\nbits: 16\nformat-tag: 1\ndata-bytes: 96000\n"},
      {"sox 24-bit (extensible)", "sox -n -r 44100 -c 2 -b 24 $OUT synth 0.1 sine 440",
       "channels: 2\nrate: 44100\nbits: 24\nformat-tag: 65534\ndata-bytes: 26460\n"},
      {"ffmpeg with a LIST chunk",
       "ffmpeg -v error -f lavfi -i sine=f=440:d=1:r=22050 -metadata title=Memo -c:a pcm_s16le "
       "$OUT",
       "channels: 1\nrate: 22050\nbits: 16\nformat-tag: 1\ndata-bytes: 44100\n"},
  };
  for (const auto& f : files) {
    const std::string out = dir_.file("tool.wav");
    std::string cmd = f.command;
    cmd.replace(cmd.find("$OUT"), 4, shellQuote(out));
    ASSERT_EQ(runCommand("rm -f " + shellQuote(out) + " && " + cmd).exitCode, 0) << f.what;
    const auto r = info(out);
    EXPECT_EQ(r.exitCode, 0) << f.what << r.err;
    EXPECT_EQ(r.out.substr(0, std::string(f.expected).size()), f.expected) << f.what;
  }
}

TEST_F(CliNoteFilesTest, UnreadableFilesGetTheMessageAndTheErrorCode) {
  const auto missing = info(dir_.file("missing.wav"));
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err,
            "quillophone-cli: " + dir_.file("missing.wav") + ": no such file (error 259)\n");
  const std::string text = dir_.file("text.wav");
  test::writeFileBytes(text, test::Bytes(100, 'a'));
  const auto notWave = info(text);
  EXPECT_EQ(notWave.exitCode, 1);
  EXPECT_EQ(notWave.err, "quillophone-cli: " + text + ": not a wave file (error 272)\n");
  EXPECT_EQ(notWave.out, "");
}

TEST_F(CliNoteFilesTest, BadUsageExitsWithTwo) {
  EXPECT_EQ(runCommand(test::cliCommand() + " info").exitCode, 2);
  EXPECT_EQ(runCommand(test::cliCommand() + " info a b").exitCode, 2);
  EXPECT_EQ(runCommand(test::cliCommand() + " frobnicate").exitCode, 2);
  EXPECT_EQ(runCommand(test::cliCommand() + " record x.wav --quality 7").exitCode, 2);
  EXPECT_EQ(runCommand(test::cliCommand() + " record x.wav --bogus").exitCode, 2);
  const auto help = runCommand(test::cliCommand() + " --help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("record OUT.wav"), std::string::npos);
}

}  // namespace
}  // namespace qp
