// quillophone-cli formats, export and import on a notes directory of their own, with the real
// encoder library and FFmpeg, checked with ffprobe.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "support/ProcessRunner.h"
#include "support/TempDir.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
using test::shellQuote;

class CliExportTest : public testing::Test {
 protected:
  CliExportTest() : notes_(dir_.path() / "notes") {}

  test::ProcessResult run(const std::string& arguments, const std::string& input = "") {
    const std::string env =
        "LC_ALL=C " + test::cliHomeEnvironment((dir_.path() / "config").string(), notes_.string());
    const std::string stdinText = input.empty() ? " </dev/null" : " <<< " + shellQuote(input);
    return test::runCommand("bash -c " +
                            shellQuote(env + test::cliCommand() + " " + arguments + stdinText));
  }
  std::string wav(const fs::path& path, double seconds = 1.0, std::uint32_t rate = 8000) {
    test::writeToneWav(path.string(), seconds, rate);
    fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(30));
    return path.string();
  }
  std::string personal(const std::string& name) { return (notes_ / "Personal" / name).string(); }

  test::TempDir dir_;
  fs::path notes_;
};

TEST_F(CliExportTest, FormatsListsMp3ThenWmaAndTheCredits) {
  const auto r = run("formats");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out.rfind("3\tMP3 File\t.mp3\n1\tWMA File\t.wma\n", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("libmp3lame"), std::string::npos);
  EXPECT_NE(r.out.find("libavformat"), std::string::npos);
  EXPECT_EQ(run("formats extra").exitCode, 2);
}

TEST_F(CliExportTest, ExportWritesEachFormatAndPrintsThePath) {
  const std::string note = wav(notes_ / "Personal" / "Memo.wav", 2.0);
  auto r = run("export " + shellQuote(note) + " --format 3");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, personal("Memo.mp3") + "\n");
  EXPECT_EQ(test::probeField(personal("Memo.mp3"), "stream=bit_rate"), "32000");

  const std::string out = (dir_.path() / "out").string();
  fs::create_directories(out);
  r = run("export " + shellQuote(note) + " --format 1 --to " + shellQuote(out));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, out + "/Memo.wma\n");
  EXPECT_EQ(test::probeField(out + "/Memo.wma", "stream=codec_name"), "wmav2");

  r = run("export " + shellQuote(note) + " --format 0 --to " + shellQuote(out));
  EXPECT_EQ(r.out, out + "/Memo.wav\n");
  EXPECT_EQ(test::readFileBytes(out + "/Memo.wav"), test::readFileBytes(note));

  EXPECT_EQ(run("export " + shellQuote(note) + " --format 2").exitCode, 2);
  EXPECT_EQ(run("export " + shellQuote(note)).exitCode, 2);
  EXPECT_EQ(run("export " + shellQuote(note + "x") + " --format 3").exitCode, 1);
}

TEST_F(CliExportTest, ImportCopiesConvertsFollowsLinksAndIgnoresOtherFiles) {
  run("folders");
  const fs::path in = dir_.path() / "in";
  const std::string upper = wav(in / "Memo.WAV");
  const std::string wma = (in / "Voice.wma").string();
  auto made = test::runCommand(
      "ffmpeg -v error -y -f lavfi -i sine=f=600:r=16000:d=1.5 -c:a wmav2 "
      "-b:a 32k " +
      shellQuote(wma));
  ASSERT_EQ(made.exitCode, 0) << made.err;
  fs::last_write_time(wma, fs::last_write_time(upper));
  const std::string real = wav(in / "Real.wav");
  fs::create_symlink(real, in / "link");
  test::writeFileBytes((in / "notes.txt").string(), {'h', 'i'});

  const auto r =
      run("import " + shellQuote(upper) + " " + shellQuote(wma) + " " +
          shellQuote((in / "link").string()) + " " + shellQuote((in / "notes.txt").string()));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, personal("Memo.WAV") + "\n" + personal("Voice.wav") + "\n" +
                       personal("Real.wav") + "\n");
  EXPECT_EQ(test::readFileBytes(personal("Memo.WAV")), test::readFileBytes(upper));
  EXPECT_EQ(fs::last_write_time(personal("Voice.wav")), fs::last_write_time(wma));
  EXPECT_EQ(test::probeField(personal("Voice.wav"), "stream=sample_rate"), "16000");
  EXPECT_NEAR(std::atof(test::probeField(personal("Voice.wav"), "format=duration").c_str()), 1.5,
              0.1);
  EXPECT_FALSE(fs::exists(personal("notes.txt")));
  EXPECT_FALSE(fs::exists(personal("link.wav")));
}

TEST_F(CliExportTest, ImportStopsAtAFileOfTheFolderAndAsksBeforeReplacing) {
  run("folders");
  const fs::path in = dir_.path() / "in";
  const std::string inside = wav(notes_ / "Personal" / "Inside.wav");
  auto r = run("import " + shellQuote(wav(in / "First.wav")) + " " + shellQuote(inside) + " " +
               shellQuote(wav(in / "Third.wav")));
  EXPECT_EQ(r.out, personal("First.wav") + "\n");
  EXPECT_FALSE(fs::exists(personal("Third.wav")));

  const std::string again = wav(in / "First.wav", 2.0);
  r = run("import " + shellQuote(again), "n");
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("You already have a note with this name: First.wav"), std::string::npos);
  EXPECT_NE(test::readFileBytes(personal("First.wav")), test::readFileBytes(again));
  r = run("import --yes --folder Business " + shellQuote(again));
  EXPECT_EQ(r.out, (notes_ / "Business" / "First.wav").string() + "\n");
  r = run("import " + shellQuote(again), "y");
  EXPECT_EQ(r.out, personal("First.wav") + "\n");
  EXPECT_EQ(test::readFileBytes(personal("First.wav")), test::readFileBytes(again));
  EXPECT_EQ(run("import --folder Nowhere " + shellQuote(again)).exitCode, 1);
}

}  // namespace
}  // namespace qp
