// quillophone-cli given what is not a note it may use: a pipe or a folder in a note's place
// (refused at once, never waited on), formats no note has (refused by every verb with the
// reader's message, never copied or edited), a note without write permission (not edited),
// and the temporary copy a killed edit leaves (hidden, never listed, removed by a listing).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "support/ProcessRunner.h"
#include "support/TempDir.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
using test::shellQuote;

class CliOddFilesTest : public testing::Test {
 protected:
  CliOddFilesTest() : notes_(dir_.path() / "notes"), folder_(notes_ / "Personal") {
    fs::create_directories(folder_);
  }
  // Runs the verb with its own settings and notes, ended by force after 20 s (exit 124).
  test::ProcessResult run(const std::string& arguments, const std::string& input = "/dev/null") {
    const std::string env =
        test::cliHomeEnvironment((dir_.path() / "config").string(), notes_.string());
    return test::runCommand(env + "timeout 20 " + test::cliCommand() + " " + arguments + " <" +
                            input);
  }
  std::string odd(const std::string& name, const WaveFormat& format) {
    const std::string path = (folder_ / name).string();
    test::writeFileBytes(path, test::riffWave({test::chunk("fmt ", test::fmtBody(format)),
                                               test::chunk("data", test::Bytes(8000, 1))}));
    return path;
  }
  std::string out(const std::string& name) { return dir_.file(name); }

  test::TempDir dir_;
  fs::path notes_;
  fs::path folder_;
};

TEST_F(CliOddFilesTest, APipeOrAFolderInANotesPlaceIsRefusedAtOnce) {
  const std::string pipe = (folder_ / "Pipe.wav").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string folder = (folder_ / "Folder.wav").string();
  fs::create_directory(folder);
  for (const std::string& path : {pipe, folder}) {
    const std::string p = shellQuote(path);
    const std::string readers[] = {"info " + p, "play " + p,
                                   "denoise " + p + " " + shellQuote(out("d.wav")),
                                   "speed " + p + " " + shellQuote(out("s.wav")) + " --fast"};
    for (const std::string& verb : readers) {
      const auto start = std::chrono::steady_clock::now();
      const auto r = run(verb);
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      EXPECT_EQ(r.exitCode, 1) << verb << r.err;
      EXPECT_LT(seconds, 5.0) << verb;
      EXPECT_NE(r.err.find("error 259"), std::string::npos) << verb << r.err;
    }
    for (const std::string& verb :
         {"edit erase " + p + " --from 0.1 --to 0.2", "edit append " + p + " --seconds 1"}) {
      const auto r = run(verb);
      EXPECT_EQ(r.exitCode, 1) << verb << r.err;
      EXPECT_NE(r.err.find("error 259"), std::string::npos) << verb << r.err;
    }
    EXPECT_EQ(run("import --folder Personal " + p).exitCode, 1);  // nothing imported
  }
  EXPECT_FALSE(fs::exists(out("d.wav")));
  EXPECT_FALSE(fs::exists(out("s.wav")));
  EXPECT_TRUE(fs::is_fifo(pipe));
  EXPECT_TRUE(fs::is_directory(folder));
}

TEST_F(CliOddFilesTest, FormatsNoNoteHasAreRefusedByEveryVerb) {
  WaveFormat hugeRate = WaveFormat::pcm(1, 8000, 16);
  hugeRate.nSamplesPerSec = 4294967295u;
  WaveFormat manyChannels = WaveFormat::pcm(1, 8000, 16);
  manyChannels.nChannels = 65535;
  const struct {
    const char* name;
    WaveFormat format;
  } rows[] = {
      {"Huge.wav", hugeRate}, {"Rate0.wav", WaveFormat::pcm(1, 0, 16)}, {"Many.wav", manyChannels}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = odd(row.name, row.format);
    const auto before = test::readFileBytes(path);
    const std::string p = shellQuote(path);
    const auto denoised = run("denoise " + p + " " + shellQuote(out("d.wav")));
    EXPECT_EQ(denoised.exitCode, 1);
    EXPECT_FALSE(fs::exists(out("d.wav")));
    const auto played = run("play " + p);
    EXPECT_EQ(played.exitCode, 1);
    const auto erased = run("edit erase " + p + " --from 0.1 --to 0.2");
    EXPECT_EQ(erased.exitCode, 1);
    EXPECT_NE(erased.err.find("Unable to open the note file"), std::string::npos) << erased.err;
    EXPECT_EQ(run("edit append " + p + " --seconds 1").exitCode, 1);
    EXPECT_EQ(test::readFileBytes(path), before);
    if (row.format.nChannels == 1) {  // the mono formats reach the note check
      // Rate 0 was refused by denoise's own check before.
      EXPECT_TRUE(denoised.err.find("error 272") != std::string::npos ||
                  denoised.err.find("can be denoised") != std::string::npos)
          << denoised.err;
      EXPECT_NE(played.err.find("error 272"), std::string::npos) << played.err;
      const auto sped = run("speed " + p + " " + shellQuote(out("s.wav")) + " --fast");
      EXPECT_EQ(sped.exitCode, 1);
      EXPECT_NE(sped.err.find("error 272"), std::string::npos) << sped.err;
      EXPECT_FALSE(fs::exists(out("s.wav")));
    }
    // Importing from elsewhere copies no such file into a folder.
    const fs::path elsewhere = dir_.path() / "elsewhere" / row.name;
    fs::create_directories(elsewhere.parent_path());
    fs::rename(path, elsewhere);
    run("import --yes --folder Personal " + shellQuote(elsewhere.string()));
    EXPECT_FALSE(fs::exists(folder_ / row.name));
  }
}

TEST_F(CliOddFilesTest, ANoteWithoutWritePermissionIsNotEdited) {
  const std::string note = (folder_ / "Memo.wav").string();
  test::writeFileBytes(note, test::simpleWav(1, 8000, 16, test::Bytes(32000, 3)));
  ASSERT_EQ(::chmod(note.c_str(), 0444), 0);
  const auto before = test::readFileBytes(note);
  for (const std::string& verb : {"edit erase " + shellQuote(note) + " --from 0.1 --to 0.2",
                                  "edit append " + shellQuote(note) + " --seconds 1"}) {
    const auto r = run(verb);
    EXPECT_EQ(r.exitCode, 1) << verb;
    EXPECT_NE(r.err.find("read-only"), std::string::npos) << verb << r.err;
  }
  EXPECT_EQ(test::readFileBytes(note), before);
  struct stat st {};
  ASSERT_EQ(::stat(note.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
  EXPECT_EQ(fs::directory_iterator(folder_)->path(), note);  // nothing beside it
}

TEST_F(CliOddFilesTest, TheCopyOfAKilledEditIsNeverListedAndAListingRemovesIt) {
  const std::string note = (folder_ / "Memo.wav").string();
  test::writeFileBytes(note, test::simpleWav(1, 22050, 16, test::Bytes(44100, 3)));
  const auto before = test::readFileBytes(note);
  // An append of a minute, killed once its copy holds the note and some recorded sound.
  const std::string env =
      test::cliHomeEnvironment((dir_.path() / "config").string(), notes_.string());
  const auto killed =
      test::runCommand(env + test::cliCommand() + " edit append " + shellQuote(note) +
                       " --seconds 60 </dev/null >/dev/null 2>&1 & pid=$!; "
                       "for i in $(seq 1 300); do "
                       "  f=$(ls -A " +
                       shellQuote(folder_.string()) +
                       " | grep -v '^Memo.wav$' | head -n 1); "
                       "  [ -n \"$f\" ] && [ $(stat -c %s " +
                       shellQuote(folder_.string()) +
                       "/\"$f\") -gt 90000 ] "
                       "  && break; sleep 0.1; done; "
                       "kill -9 $pid; wait $pid; echo $?");
  EXPECT_EQ(killed.out, "137\n");
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(folder_)) {
    left.push_back(entry.path().filename().string());
  }
  ASSERT_EQ(left.size(), 2u);
  const std::string copy = left[0] == "Memo.wav" ? left[1] : left[0];
  EXPECT_EQ(copy[0], '.') << copy;
  EXPECT_FALSE(copy.ends_with(".wav")) << copy;
  EXPECT_EQ(test::readFileBytes(note), before);

  const auto listed = run("notes Personal");
  ASSERT_EQ(listed.exitCode, 0) << listed.err;
  EXPECT_EQ(listed.out.find(copy), std::string::npos) << listed.out;
  EXPECT_NE(listed.out.find("Memo.wav"), std::string::npos) << listed.out;
  EXPECT_FALSE(fs::exists(folder_ / copy));
}

}  // namespace
}  // namespace qp
