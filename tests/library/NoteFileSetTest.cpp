// Moving and erasing a note with its side files; every failure leaves the note where it was.
#include "library/NoteFileSet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "support/NoteTree.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

// A trash that records what it receives, refuses chosen files, or is not there at all.
class FakeTrash final : public Trash {
 public:
  explicit FakeTrash(fs::path bin, bool available = true)
      : bin_(std::move(bin)), available_(available) {
    fs::create_directories(bin_);
  }
  bool available() const override { return available_; }
  bool moveToTrash(const std::string& path) override {
    const std::string name = fs::path(path).filename().string();
    if (refused.count(name)) {
      return false;
    }
    std::error_code ec;
    fs::rename(path, bin_ / name, ec);
    if (!ec) {
      received.push_back(name);
    }
    return !ec;
  }
  std::set<std::string> refused;
  std::vector<std::string> received;

 private:
  fs::path bin_;
  bool available_;
};

class NoteFilesTest : public ::testing::Test {
 protected:
  NoteFilesTest() {
    from_ = dir_.path() / "Personal";
    to_ = dir_.path() / "Business";
    fs::create_directories(from_);
    fs::create_directories(to_);
  }
  NoteEntry memo(bool withSideFiles) {
    NoteEntry e;
    e.path = (from_ / "Memo.wav").string();
    test::writeFileAt(e.path, 8);
    if (withSideFiles) {
      e.alarmPath = (from_ / "Memo.alm").string();
      e.companionPath = (from_ / "Memo.wma").string();
      test::writeFileAt(e.alarmPath, 244);
      test::writeFileAt(e.companionPath, 3);
    }
    return e;
  }
  test::TempDir dir_;
  fs::path from_, to_;
};

TEST_F(NoteFilesTest, MoveTakesTheAlarmAndCompanionAlong) {
  const NoteEntry e = memo(true);
  ASSERT_TRUE(NoteFileSet::move(e, (to_ / "Renamed.wav").string()));
  EXPECT_TRUE(fs::exists(to_ / "Renamed.wav"));
  EXPECT_TRUE(fs::exists(to_ / "Renamed.alm"));
  EXPECT_TRUE(fs::exists(to_ / "Renamed.wma"));
  EXPECT_TRUE(fs::is_empty(from_));
}

TEST_F(NoteFilesTest, MoveOntoAnExistingNoteFailsAndTouchesNothing) {
  const NoteEntry e = memo(true);
  test::writeFileAt(to_ / "Memo.wav", 5);
  EXPECT_FALSE(NoteFileSet::move(e, (to_ / "Memo.wav").string()));
  EXPECT_EQ(fs::file_size(to_ / "Memo.wav"), 5u);
  EXPECT_EQ(fs::file_size(from_ / "Memo.wav"), 8u);
  EXPECT_TRUE(fs::exists(from_ / "Memo.alm"));
  EXPECT_TRUE(fs::exists(from_ / "Memo.wma"));
  EXPECT_FALSE(fs::exists(to_ / "Memo.alm"));
}

TEST_F(NoteFilesTest, PathsOf261CharactersAreRefused) {
  const NoteEntry e = memo(false);
  const std::string prefix = to_.string() + "/";
  const std::string at260 = prefix + std::string(260 - prefix.size() - 4, 'n') + ".wav";
  const std::string at261 = prefix + std::string(261 - prefix.size() - 4, 'n') + ".wav";
  ASSERT_EQ(at260.size(), 260u);
  EXPECT_FALSE(NoteFileSet::move(e, at261));
  EXPECT_TRUE(fs::exists(e.path));
  EXPECT_TRUE(NoteFileSet::move(e, at260));
  EXPECT_TRUE(fs::exists(at260));
}

TEST_F(NoteFilesTest, AFailedWaveMoveLeavesEverythingAndSideFileFailuresAreIgnored) {
  NoteEntry e = memo(true);
  EXPECT_FALSE(NoteFileSet::move(e, (dir_.path() / "missing-folder/Memo.wav").string()));
  EXPECT_TRUE(fs::exists(from_ / "Memo.wav"));
  EXPECT_TRUE(fs::exists(from_ / "Memo.alm"));
  fs::remove(e.companionPath);  // the companion vanished meanwhile
  EXPECT_TRUE(NoteFileSet::move(e, (to_ / "Memo.wav").string()));
  EXPECT_TRUE(fs::exists(to_ / "Memo.wav"));
  EXPECT_TRUE(fs::exists(to_ / "Memo.alm"));
}

TEST_F(NoteFilesTest, EraseSendsTheNoteAndEverythingNamedLikeItToTheTrash) {
  const NoteEntry e = memo(true);
  test::writeFileAt(from_ / "Memo.bak", 1);
  test::writeFileAt(from_ / "Memo.part.wav", 1);  // another note
  test::writeFileAt(from_ / "Memo.part.alm", 1);  // and its alarm
  test::writeFileAt(from_ / "Memory.wav", 1);
  FakeTrash trash(dir_.path() / "bin");
  ASSERT_TRUE(NoteFileSet::erase(e, trash));
  EXPECT_EQ(trash.received,
            (std::vector<std::string>{"Memo.wav", "Memo.alm", "Memo.bak", "Memo.wma"}));
  EXPECT_TRUE(fs::exists(from_ / "Memo.part.wav"));
  EXPECT_TRUE(fs::exists(from_ / "Memo.part.alm"));
  EXPECT_TRUE(fs::exists(from_ / "Memory.wav"));
}

TEST_F(NoteFilesTest, ATrashThatRefusesTheNoteLeavesAllItsFiles) {
  const NoteEntry e = memo(true);
  FakeTrash trash(dir_.path() / "bin");
  trash.refused.insert("Memo.wav");
  EXPECT_FALSE(NoteFileSet::erase(e, trash));
  EXPECT_TRUE(trash.received.empty());
  EXPECT_TRUE(fs::exists(from_ / "Memo.wav"));
  EXPECT_TRUE(fs::exists(from_ / "Memo.alm"));
  EXPECT_TRUE(fs::exists(from_ / "Memo.wma"));
}

TEST_F(NoteFilesTest, WithoutATrashTheSameFilesAreDeleted) {
  const NoteEntry e = memo(true);
  test::writeFileAt(from_ / "Other.wav", 1);
  FakeTrash trash(dir_.path() / "bin", false);
  ASSERT_TRUE(NoteFileSet::erase(e, trash));
  EXPECT_TRUE(trash.received.empty());
  EXPECT_EQ(test::enumerationOrder(from_), (std::vector<std::string>{"Other.wav"}));
}

}  // namespace
}  // namespace qp
