// quillophone-cli folders, notes, folder ... and note ... on a notes directory of its own:
// the output lines scripts parse, the messages of refused commands and the exit statuses.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "support/ProcessRunner.h"
#include "support/TempDir.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

class CliLibraryTest : public testing::Test {
 protected:
  CliLibraryTest() : notes_(dir_.path() / "notes") {}

  test::ProcessResult run(const std::string& arguments) {
    const std::string env =
        "TZ=UTC LC_ALL=C XDG_DATA_HOME=" + test::shellQuote((dir_.path() / "data").string()) + " " +
        test::cliHomeEnvironment((dir_.path() / "config").string(), notes_.string());
    return test::runCommand(env + test::cliCommand() + " " + arguments);
  }
  std::string addNote(const std::string& relative, int ageHours, std::size_t samples = 8000) {
    const fs::path path = notes_ / relative;
    fs::create_directories(path.parent_path());
    test::writeFileBytes(path.string(), test::simpleWav(1, 8000, 16, test::Bytes(samples * 2, 0)));
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(ageHours));
    return path.string();
  }
  std::string q(const std::string& text) { return test::shellQuote(text); }

  test::TempDir dir_;
  fs::path notes_;
};

TEST_F(CliLibraryTest, AFirstRunListsTheDefaultFolders) {
  const auto r = run("folders");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "Alarms\t1\t0\t0\nBusiness\t0\t0\t0\nPersonal\t0\t0\t1\nTo Do\t0\t0\t0\n");
}

TEST_F(CliLibraryTest, FolderCommandsAndTheirRefusals) {
  run("folders");
  EXPECT_EQ(run("folder new Work --sort 2").exitCode, 0);
  auto r = run("folder new " + q("a:b"));
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err,
            "A folder name cannot contain any of the following characters:  \\ / : * ? < > | "
            "\"\n");
  r = run("folder new personal");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "You already have a folder by this name.\n");
  r = run("folder new " + std::string(26, 'x'));
  EXPECT_EQ(r.err, "A folder name cannot be longer than 25 characters.\n");
  EXPECT_EQ(run("folder options Work --sort 3 --prompt-alarms 0").exitCode, 0);
  EXPECT_EQ(run("folder options Work").out, "0\t0\n");  // Alarm Date needs Prompt for Alarms
  EXPECT_EQ(run("folder options Work --sort 3 --prompt-alarms 1").exitCode, 0);
  EXPECT_EQ(run("folder rename Personal Private").exitCode, 0);
  EXPECT_EQ(run("folders").out,
            "Alarms\t1\t0\t0\nBusiness\t0\t0\t0\nPrivate\t0\t0\t1\nTo Do\t0\t0\t0\n"
            "Work\t1\t3\t0\n");
  EXPECT_EQ(run("folder rename Private private").exitCode, 1);
  addNote("Private/old/Memo.wav", 1);
  EXPECT_EQ(run("folder delete Private").exitCode, 0);
  EXPECT_FALSE(fs::exists(notes_ / "Private"));
  EXPECT_EQ(run("folders").out,
            "Alarms\t1\t0\t1\nBusiness\t0\t0\t0\nTo Do\t0\t0\t0\nWork\t1\t3\t0\n");
  EXPECT_EQ(run("folder delete Nothing").exitCode, 1);
  EXPECT_EQ(run("folder").exitCode, 2);
  EXPECT_EQ(run("folder new A B").exitCode, 2);
  EXPECT_EQ(run("folder options Work --sort 9").exitCode, 2);
}

TEST_F(CliLibraryTest, NotesListsTheCurrentFolderInItsOrder) {
  run("folders");
  const std::string older = addNote("Personal/Shopping.wav", 3);
  const std::string newer = addNote("Personal/sub/Call.part.wav", 1);
  test::writeFileBytes((notes_ / "Personal/Shopping.mp3").string(), {1, 2, 3});
  auto r = run("notes");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "Shopping\tShopping\t" + older + "\t16044\t-\t" +
                       (notes_ / "Personal/Shopping.mp3").string() + "\nCall.part\tCall.part\t" +
                       newer + "\t16044\t-\t-\n");
  EXPECT_EQ(run("folder options Personal --sort 1").exitCode, 0);
  r = run("notes Personal");
  EXPECT_EQ(r.out.substr(0, 10), "Call.part\t");
  EXPECT_EQ(run("notes Business").out, "");
  EXPECT_EQ(run("notes Nothing").exitCode, 1);
}

TEST_F(CliLibraryTest, RenameMoveAndTheirRefusals) {
  run("folders");
  const std::string memo = addNote("Personal/Memo.wav", 2);
  test::writeFileBytes((notes_ / "Personal/Memo.wma").string(), {1});
  addNote("Business/Memo.wav", 2);
  auto r = run("note move " + q(memo) + " --to Business");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err,
            "The note can not be moved because a note with the same name already exists in the "
            "folder.\n");
  EXPECT_TRUE(fs::exists(memo));
  r = run("note rename " + q(memo) + " Renamed --folder " + q("To Do"));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, (notes_ / "To Do/Renamed.wav").string() + "\n");
  EXPECT_TRUE(fs::exists(notes_ / "To Do/Renamed.wma"));
  const std::string renamed = (notes_ / "To Do/Renamed.wav").string();
  const std::string longName(261 - renamed.size() + 7, 'n');  // new path of 261 characters
  r = run("note rename " + q(renamed) + " " + longName);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "The name is too long.\n");
  EXPECT_EQ(run("note rename " + q(renamed) + " " + q("a|b")).exitCode, 1);
  EXPECT_EQ(run("note rename /elsewhere/x.wav y").exitCode, 1);
  EXPECT_EQ(run("note move " + q(renamed)).exitCode, 2);
}

TEST_F(CliLibraryTest, EraseSendsTheNoteAndItsSideFilesToTheTrash) {
  run("folders");
  const std::string a = addNote("Personal/A.wav", 2);
  const std::string b = addNote("Personal/B.wav", 1);
  test::writeFileBytes((notes_ / "Personal/A.alm").string(), {1});
  auto r = run("note erase " + q(a) + " " + q(b));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(fs::is_empty(notes_ / "Personal"));
  EXPECT_TRUE(fs::exists(dir_.path() / "data/Trash/files/A.wav"));
  EXPECT_TRUE(fs::exists(dir_.path() / "data/Trash/files/A.alm"));
  EXPECT_TRUE(fs::exists(dir_.path() / "data/Trash/files/B.wav"));
}

TEST_F(CliLibraryTest, PropertiesOfANote) {
  run("folders");
  const std::string memo = addNote("Personal/Memo.wav", 1, 8000 * 150);
  const auto r = run("note props " + q(memo));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("Name: Memo\nFolder: Personal\nQuality: Low (8000 Hz)\n"
                       "Length: 2 minutes 30.0 seconds\nLast modified: "),
            std::string::npos)
      << r.out;
  std::string location;
  for (char c : memo) {
    location += c == '/' ? std::string(" / ") : std::string(1, c);
  }
  EXPECT_NE(r.out.find("\nFile size: 2.4 MB\nLocation: " + location + "\n"), std::string::npos)
      << r.out;
}

}  // namespace
}  // namespace qp
