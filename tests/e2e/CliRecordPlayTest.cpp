// Recording and playing through quillophone-cli on the test sound server: the default source
// is a 440 Hz tone, the default sink a null sink whose monitor lets the test hear it.
#include <gtest/gtest.h>

#include <chrono>

#include "audio/wave/WaveFileReader.h"
#include "audio/wave/WaveFileWriter.h"
#include "common/LittleEndian.h"
#include "support/LoudPart.h"
#include "support/ProcessRunner.h"
#include "support/SignalGenerators.h"
#include "support/SinkMonitor.h"
#include "support/TempDir.h"
#include "support/WavFiles.h"

namespace qp {
namespace {

using test::readWavSamples;
using test::runCommand;
using test::shellQuote;

class CliRecordPlayTest : public testing::Test {
 protected:
  test::TempDir dir_;
  const std::string cli_ = test::cliCommand();
};

TEST_F(CliRecordPlayTest, RecordsTheMicrophoneAtEachQuality) {
  struct Row {
    int quality;
    std::uint32_t rate;
  };
  for (const Row row : {Row{0, 8000}, Row{1, 11025}, Row{2, 22050}}) {
    const std::string path = dir_.file("q" + std::to_string(row.quality) + ".wav");
    const auto r = runCommand(cli_ + " record " + shellQuote(path) + " --seconds 2 --quality " +
                              std::to_string(row.quality) + " </dev/null");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    WaveFileReader reader;
    ASSERT_TRUE(reader.open(path));
    EXPECT_EQ(reader.format(), WaveFormat::pcm(1, row.rate, 16));
    EXPECT_EQ(reader.dataSize(), 4 * row.rate);
    EXPECT_NEAR(test::dominantFrequency(readWavSamples(path), row.rate), 440.0, 2.0);
  }
  // The default quality is High, and Python's reader agrees with ours.
  const std::string path = dir_.file("default.wav");
  ASSERT_EQ(runCommand(cli_ + " record " + shellQuote(path) + " --seconds 1 </dev/null").exitCode,
            0);
  const auto py = runCommand(
      "python3 -c \"import wave,sys; w=wave.open(sys.argv[1]); "
      "print(w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes())\" " +
      shellQuote(path));
  EXPECT_EQ(py.out, "1 2 22050 22050\n") << py.err;
}

TEST_F(CliRecordPlayTest, ABurstyMicrophoneIsRecordedWholeInItsOwnTime) {
  // The microphone qp_burst hands over up to 2 s of its 440 Hz tone at once.
  const std::string path = dir_.file("burst.wav");
  const auto start = std::chrono::steady_clock::now();
  const auto r = runCommand("PULSE_SOURCE=qp_burst " + cli_ + " record " + shellQuote(path) +
                            " --seconds 4 </dev/null");
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, path + ": 4.0 seconds\n");
  EXPECT_GT(wall, 1.5);  // the second half comes one block later
  EXPECT_LT(wall, 7.0);
  const auto samples = readWavSamples(path);
  ASSERT_EQ(samples.size(), 4u * 22050);
  EXPECT_EQ(test::brokenToneWindows(samples, 22050, 440.0, 22050 / 20), 0u);
}

TEST_F(CliRecordPlayTest, AFullDiskLeavesAHeaderThatMatchesTheFile) {
  // The file size limit (200 blocks of 512 or 1024 bytes, by shell) refuses bytes as a full
  // disk does, part-way into a write.
  const std::string path = dir_.file("full.wav");
  const auto r = runCommand("trap '' XFSZ; ulimit -f 200; " + cli_ + " record " + shellQuote(path) +
                            " --seconds 5 </dev/null");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Unable to write the note file. The disk may be full."), std::string::npos)
      << r.err;
  const auto file = test::readFileBytes(path);
  ASSERT_GT(file.size(), 46u + 44100u);
  EXPECT_LE(file.size(), 200u * 1024);
  EXPECT_EQ(getLe32(&file[4]), file.size() - 8);
  EXPECT_EQ(getLe32(&file[42]), file.size() - 46);
  EXPECT_EQ(file.size() % 2, 0u);  // whole 16-bit samples
  if (test::haveProgram("ffmpeg")) {
    const auto check = runCommand("ffmpeg -v error -i " + shellQuote(path) + " -f null - 2>&1");
    EXPECT_EQ(check.out, "");
  }
}

TEST_F(CliRecordPlayTest, EnterStopsTheRecordingAndLeavesAValidNote) {
  const std::string path = dir_.file("enter.wav");
  // Enter once a second of sound is in the file.
  const auto r = runCommand("(" + test::shellWaitForFileGrowth(path, 46 + 44100) + "; echo) | " +
                            cli_ + " record " + shellQuote(path) + " --seconds 60");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  WaveFileReader reader;
  ASSERT_TRUE(reader.open(path));
  EXPECT_GT(reader.dataSize(), 22050u);       // more than half a second
  EXPECT_LT(reader.dataSize(), 44100u * 10);  // far less than the minute asked for
}

TEST_F(CliRecordPlayTest, KilledRecordingKeepsAllButTheLastSecond) {
  const std::string path = dir_.file("killed.wav");
  // Killed once three and a half seconds of sound are in the file.
  const auto r = runCommand(cli_ + " record " + shellQuote(path) +
                            " --seconds 60 </dev/null >/dev/null & pid=$!; " +
                            test::shellWaitForFileGrowth(path, 46 + 44100 * 7 / 2) +
                            "; kill -9 $pid; wait $pid; echo $?");
  EXPECT_EQ(r.out, "137\n");
  const double onDisk = static_cast<double>(test::fileBytes(path) - 46) / 44100.0;
  WaveFileReader reader;
  ASSERT_TRUE(reader.open(path));
  const double seconds = reader.dataSize() / 44100.0;
  EXPECT_GE(seconds, 2.5);
  EXPECT_LE(seconds, onDisk);  // the header never claims more than was written
  const auto sox = runCommand("sox --i -D " + shellQuote(path));
  ASSERT_EQ(sox.exitCode, 0) << sox.err;
  EXPECT_GE(std::stod(sox.out), 2.5);
  EXPECT_NEAR(test::dominantFrequency(readWavSamples(path), 22050), 440.0, 2.0);
}

TEST_F(CliRecordPlayTest, PlaysANoteForItsLengthAndIsHeardOnTheSinkMonitor) {
  const std::string note = test::writeWavNote(dir_.file("tone.wav"), WaveFormat::pcm(1, 11025, 16),
                                              test::sine(700, 11025, 11025 * 2, 12000));
  const std::string heard = dir_.file("heard.wav");
  // Listen on the sink's monitor while the note plays. Playing is paced by the sound, so the
  // whole takes at least the note's two seconds (a lower bound a slow machine cannot break).
  const auto start = std::chrono::steady_clock::now();
  const auto r =
      runCommand(test::whileRecordingSinkMonitor(heard, cli_ + " play " + shellQuote(note)));
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(r.out, "0\n") << r.err;
  EXPECT_GE(seconds, 2.3);
  std::vector<std::int16_t> loud = test::fromFirstLoud(readWavSamples(heard));
  ASSERT_GT(loud.size(), 40000u);  // nearly two seconds of the tone at 22050 Hz
  loud.resize(40000);
  EXPECT_NEAR(test::dominantFrequency(loud, 22050), 700.0, 3.0);
}

TEST_F(CliRecordPlayTest, RefusalsHaveTheProgramsMessages) {
  const std::string eightBit = dir_.file("eight.wav");
  {
    WaveFileWriter writer;
    ASSERT_TRUE(writer.open(eightBit, WaveFormat::pcm(1, 8000, 8)));
    const std::vector<std::uint8_t> bytes(800, 128);
    writer.write(bytes.data(), 800);
  }
  const auto notSixteen = runCommand(cli_ + " play " + shellQuote(eightBit));
  EXPECT_EQ(notSixteen.exitCode, 1);
  EXPECT_EQ(notSixteen.err,
            "quillophone-cli: " + eightBit + ": Only 16-bit wave files can be played.\n");

  const std::string note = dir_.file("n.wav");
  {
    WaveFileWriter writer;
    ASSERT_TRUE(writer.open(note, WaveFormat::pcm(1, 8000, 16)));
  }
  const std::string noServer = "PULSE_SERVER=unix:/nonexistent/qp ";
  const auto speakers = runCommand(noServer + cli_ + " play " + shellQuote(note));
  EXPECT_EQ(speakers.exitCode, 1);
  EXPECT_EQ(speakers.err, "quillophone-cli: Unable to open the speakers.\n");
  const std::string out = dir_.file("never.wav");
  const auto mic = runCommand(noServer + cli_ + " record " + shellQuote(out) + " --seconds 1");
  EXPECT_EQ(mic.exitCode, 1);
  EXPECT_EQ(mic.err,
            "quillophone-cli: Unable to open the microphone. This could mean that another "
            "application is already "
            "using the microphone.\n");
  EXPECT_FALSE(std::filesystem::exists(out));
  const auto missing = runCommand(cli_ + " play " + shellQuote(dir_.file("missing.wav")));
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err,
            "quillophone-cli: " + dir_.file("missing.wav") + ": no such file (error 259)\n");
}

TEST_F(CliRecordPlayTest, RecordingIntoAFullDiskStopsWithAMessageAndAValidNote) {
  if (!std::filesystem::exists("/dev/full")) {
    GTEST_SKIP() << "no /dev/full";
  }
  const auto r = runCommand(cli_ + " record /dev/full --seconds 2 </dev/null");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Unable to write the note file. The disk may be full."), std::string::npos)
      << r.err;
}

}  // namespace
}  // namespace qp
