// Recording new notes and editing notes through quillophone-cli on the test sound server,
// whose default microphone is a 440 Hz tone: filing into a folder, the silent microphone,
// insert and append.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "audio/wave/WaveFileWriter.h"
#include "support/ProcessRunner.h"
#include "support/SampleRamps.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"
#include "support/WavFiles.h"

namespace qp {
namespace {

using test::readWavSamples;
using test::runCommand;
using test::shellQuote;
using test::slice;

class CliRecordEditTest : public testing::Test {
 protected:
  // Runs the CLI with its own notes directory and settings file.
  test::ProcessResult cli(const std::string& args) {
    return runCommand(test::cliHomeEnvironment(dir_.file("config"), dir_.file("notes")) + cli_ +
                      " " + args + " </dev/null");
  }
  std::string toneNote(const std::string& name, double seconds) {
    const std::string path = test::writeWavNote(
        dir_.file(name), WaveFormat::pcm(1, 22050, 16),
        test::sine(700, 22050, static_cast<std::size_t>(22050 * seconds), 12000));
    ::chmod(path.c_str(), 0604);
    const struct timespec times[2] = {{1000000000, 0}, {1100000000, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
    return path;
  }
  void expectKeptStatus(const std::string& path) {
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
    EXPECT_EQ(st.st_mtim.tv_sec, 1100000000);
    std::size_t waves = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
      waves += entry.path().extension() == ".wav" ? 1 : 0;
    }
    EXPECT_EQ(waves, 1u);  // no copy left behind
  }
  test::TempDir dir_;
  const std::string cli_ = test::cliCommand();
};

TEST_F(CliRecordEditTest, ThreeSecondsWithSilkvoiceAreFiledIntoTheFolderUnderTheGivenName) {
  const auto r = cli("record --seconds 3 --folder Business --name 'Call Bob'");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string expected = dir_.file("notes") + "/Business/Call Bob.wav";
  EXPECT_EQ(r.out, expected + "\n");
  WaveFormat format;
  const auto samples = readWavSamples(expected, &format);
  EXPECT_EQ(format, WaveFormat::pcm(1, 22050, 16));
  EXPECT_EQ(samples.size(), 3u * 22050);
  EXPECT_NEAR(test::dominantFrequency(slice(samples, 22050, samples.size()), 22050), 440.0, 3.0);

  // Without a name the note keeps its time-stamped name in the default folder.
  const auto plain = cli("record --seconds 1 --no-silkvoice");
  ASSERT_EQ(plain.exitCode, 0) << plain.err;
  EXPECT_EQ(plain.out.rfind(dir_.file("notes") + "/Personal/QP_", 0), 0u) << plain.out;
  EXPECT_EQ(cli("record --seconds 1 --folder Nowhere").exitCode, 1);
}

TEST_F(CliRecordEditTest, ANewNoteGetsItsDragCompanionWhenAFormatIsSet) {
  // DragFormat 3: notes are dragged out as MP3, so a new note gets its MP3 companion at once.
  test::writeCliSettings(dir_.file("config"), "DragFormat=3\n");
  const auto formats = cli("formats");
  if (formats.out.find("\t.mp3") == std::string::npos) {
    GTEST_SKIP() << "no MP3 encoder library: " << formats.out;
  }
  const auto r = cli("record --seconds 1 --folder Business --name Memo --no-silkvoice");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string companion = dir_.file("notes") + "/Business/Memo.mp3";
  ASSERT_TRUE(std::filesystem::exists(companion));
  const auto probe = runCommand("ffprobe -v error -show_entries stream=codec_name -of csv=p=0 " +
                                shellQuote(companion));
  EXPECT_EQ(probe.out, "mp3\n") << probe.err;
  const auto notes = cli("notes Business");
  EXPECT_NE(notes.out.find(companion), std::string::npos) << notes.out;
}

TEST_F(CliRecordEditTest, ASilentMicrophoneIsCaughtAtTenSecondsAndNothingIsKept) {
  const auto r = runCommand("PULSE_SOURCE=qp_sink.monitor " +
                            test::cliHomeEnvironment(dir_.file("config"), dir_.file("notes")) +
                            cli_ + " record --seconds 30 --quality 0 </dev/null");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "No audio was detected coming from your microphone.\n");
  EXPECT_EQ(r.out, "");
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.file("notes"))) {
    EXPECT_FALSE(entry.is_regular_file()) << entry.path();
  }
}

TEST_F(CliRecordEditTest, InsertAndAppendRecordIntoTheNoteKeepingItsStatus) {
  const std::string note = toneNote("Memo.wav", 2.0);
  const auto inserted = cli("edit insert " + shellQuote(note) + " --at 0.5 --seconds 1");
  ASSERT_EQ(inserted.exitCode, 0) << inserted.err;
  EXPECT_EQ(inserted.out, note + "\n");
  auto samples = readWavSamples(note);
  ASSERT_EQ(samples.size(), 3u * 22050);
  EXPECT_NEAR(test::dominantFrequency(slice(samples, 0, 22050), 22050), 700.0, 3.0);
  EXPECT_NEAR(test::dominantFrequency(slice(samples, 22050 + 4000, 44100 - 4000), 22050), 440.0,
              5.0);
  EXPECT_NEAR(test::dominantFrequency(slice(samples, 44100, 66150), 22050), 700.0, 3.0);
  expectKeptStatus(note);

  const auto appended = cli("edit append " + shellQuote(note) + " --seconds 1");
  ASSERT_EQ(appended.exitCode, 0) << appended.err;
  samples = readWavSamples(note);
  ASSERT_EQ(samples.size(), 4u * 22050);
  EXPECT_NEAR(test::dominantFrequency(slice(samples, 66150 + 4000, 88200), 22050), 440.0, 5.0);
  expectKeptStatus(note);

  const auto erased = cli("edit erase " + shellQuote(note) + " --from 0.5 --to 2");
  ASSERT_EQ(erased.exitCode, 0) << erased.err;
  EXPECT_EQ(readWavSamples(note).size(), 2u * 22050);
  expectKeptStatus(note);
}

TEST_F(CliRecordEditTest, EditRefusals) {
  const std::string note = toneNote("Memo.wav", 1.0);
  const auto noPoint = cli("edit insert " + shellQuote(note) + " --at 0 --seconds 1");
  EXPECT_EQ(noPoint.exitCode, 1);
  EXPECT_EQ(noPoint.err, "You need to click on the graph to indicate the insertion point.\n");
  {
    WaveFileWriter writer;
    ASSERT_TRUE(writer.open(dir_.file("Stereo.wav"), WaveFormat::pcm(2, 22050, 16)));
  }
  const auto stereo = cli("edit append " + shellQuote(dir_.file("Stereo.wav")) + " --seconds 1");
  EXPECT_EQ(stereo.exitCode, 1);
  EXPECT_EQ(stereo.err, "You can only insert notes into 16-bit, mono wave files.\n");
  EXPECT_EQ(cli("edit erase " + shellQuote(note) + " --from 0.5").exitCode, 2);
  EXPECT_EQ(cli("edit cut " + shellQuote(note) + " --from 0.5 --to 1").exitCode, 2);
  EXPECT_EQ(cli("edit append " + shellQuote(note)).exitCode, 2);
}

}  // namespace
}  // namespace qp
