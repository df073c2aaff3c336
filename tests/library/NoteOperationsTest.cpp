// "Name Note", "Move Notes" and the erase texts on real folders.
#include "library/NoteOperations.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/MemorySettingsStore.h"
#include "support/FakeClock.h"
#include "support/NoteTree.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

class NoteOperationsTest : public ::testing::Test {
 protected:
  NoteOperationsTest() : root_(dir_.path().string()) {
    fs::create_directories(dir_.path() / "Personal");
    fs::create_directories(dir_.path() / "Business");
  }
  NoteEntry note(const std::string& fileName, const std::string& displayName) {
    NoteEntry e;
    e.path = (dir_.path() / "Personal" / fileName).string();
    e.displayName = displayName;
    test::writeFileAt(e.path, 8);
    return e;
  }
  test::TempDir dir_;
  std::string root_;
};

TEST_F(NoteOperationsTest, UnchangedNameAndFolderDoNothing) {
  const NoteEntry e = note("Memo.wav", "Memo");
  const auto result = NoteOperations::renameOrMove(root_, e, "Personal", "Memo", "Personal");
  EXPECT_EQ(result.messageId, 0);
  EXPECT_FALSE(result.changed);
  EXPECT_FALSE(NoteOperations::renameOrMove(root_, e, "Personal", "New", "").changed);
  EXPECT_TRUE(fs::exists(e.path));
}

TEST_F(NoteOperationsTest, AnAutomaticallyNamedNoteKeepsItsFileNameWhenOnlyTheFolderChanges) {
  const NoteEntry e = note("QP_07.12.26 14.05.09.wav", "07 Dec 26 - 14:05:09");
  // The dialog showed the date without its colons.
  auto result =
      NoteOperations::renameOrMove(root_, e, "Personal", "07 Dec 26 - 140509", "Business");
  ASSERT_EQ(result.messageId, 0);
  EXPECT_TRUE(result.changed);
  EXPECT_EQ(result.newPath, root_ + "/Business/QP_07.12.26 14.05.09.wav");
  EXPECT_TRUE(fs::exists(result.newPath));
}

TEST_F(NoteOperationsTest, RenameInPlaceAndRefusals) {
  const NoteEntry e = note("Memo.wav", "Memo");
  test::writeFileAt(dir_.path() / "Business/Taken.wav", 3);
  EXPECT_EQ(NoteOperations::renameOrMove(root_, e, "Personal", "Taken", "Business").messageId, 52);
  EXPECT_EQ(NoteOperations::renameOrMove(root_, e, "Personal", "a/b", "Personal").messageId, 47);
  const std::string prefix = root_ + "/Personal/";
  const std::string longName(261 - prefix.size() - 4, 'n');
  EXPECT_EQ(NoteOperations::renameOrMove(root_, e, "Personal", longName, "Personal").messageId,
            130);
  EXPECT_TRUE(fs::exists(e.path));
  EXPECT_EQ(fs::file_size(dir_.path() / "Business/Taken.wav"), 3u);
  const auto renamed = NoteOperations::renameOrMove(root_, e, "Personal", "Shopping", "Personal");
  EXPECT_EQ(renamed.messageId, 0);
  EXPECT_TRUE(fs::exists(dir_.path() / "Personal/Shopping.wav"));
  EXPECT_FALSE(fs::exists(e.path));
}

TEST_F(NoteOperationsTest, MoveNotesGoesOnAfterAFailure) {
  const NoteEntry a = note("A.wav", "A");
  const NoteEntry b = note("B.wav", "B");
  const NoteEntry c = note("C.wav", "C");
  test::writeFileAt(dir_.path() / "Business/B.wav", 3);
  const auto result = NoteOperations::moveNotes(root_, {&a, &b, &c}, "Business");
  EXPECT_EQ(result.moved, 2u);
  EXPECT_EQ(result.failed, (std::vector<std::string>{b.path}));
  EXPECT_TRUE(fs::exists(dir_.path() / "Business/A.wav"));
  EXPECT_TRUE(fs::exists(dir_.path() / "Business/C.wav"));
  EXPECT_TRUE(fs::exists(b.path));
  EXPECT_EQ(NoteOperations::moveNotes(root_, {&b}, "").messageId, 51);
}

TEST_F(NoteOperationsTest, EraseTexts) {
  const StringTable english(0x0409);
  EXPECT_EQ(NoteOperations::eraseQuestion(1, english), "Are you sure you want to erase this note?");
  EXPECT_EQ(NoteOperations::eraseQuestion(12, english),
            "Are you sure you want to erase these 12 notes?");
  note("b.wav", "");
  note("a.wav", "");
  MemorySettingsStore settings;
  test::FakeClock clock(0);
  NoteList list(settings, english, clock);
  list.load(root_ + "/Personal", SortOrder::Alphabetical);
  EXPECT_EQ(NoteOperations::eraseListLines(list), (std::vector<std::string>{" 1.  a", " 2.  b"}));
}

}  // namespace
}  // namespace qp
