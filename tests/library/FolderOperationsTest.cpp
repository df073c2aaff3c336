// New, renamed and deleted folders on a real notes directory, and every refusal.
#include "library/FolderOperations.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "common/MemorySettingsStore.h"
#include "support/NoteTree.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

class FolderOperationsTest : public ::testing::Test {
 protected:
  FolderOperationsTest() : root_(dir_.path().string()) {
    fs::create_directories(dir_.path() / "Personal");
    test::writeFileAt(dir_.path() / "Personal/Memo.wav", 8);
  }
  test::TempDir dir_;
  std::string root_;
  MemorySettingsStore settings_;
  StringTable english_{0x0409};
};

TEST_F(FolderOperationsTest, NewFolderStoresItsOptionsWithTheDialogRule) {
  EXPECT_EQ(FolderOperations::newFolder(root_, "Work", FolderOptions{1, 3}, settings_), 0);
  EXPECT_TRUE(fs::is_directory(dir_.path() / "Work"));
  EXPECT_EQ(FolderOptions::readStored(settings_, "Work"), (FolderOptions{1, 3}));
  EXPECT_EQ(FolderOperations::newFolder(root_, "Home", FolderOptions{0, 3}, settings_), 0);
  EXPECT_EQ(FolderOptions::readStored(settings_, "Home"), (FolderOptions{0, 0}));
}

TEST_F(FolderOperationsTest, NewFolderRefusals) {
  EXPECT_EQ(FolderOperations::newFolder(root_, "", {}, settings_), 42);
  EXPECT_EQ(FolderOperations::newFolder(root_, "Personal", {}, settings_), 43);
  EXPECT_EQ(FolderOperations::newFolder(root_, "PERSONAL", {}, settings_), 43);
  EXPECT_EQ(FolderOperations::newFolder(root_, "..", {}, settings_), 43);
  EXPECT_EQ(FolderOperations::newFolder(root_, "a:b", {}, settings_), 40);
  EXPECT_EQ(FolderOperations::newFolder(root_, "x/y", {}, settings_), 40);
  EXPECT_EQ(FolderOperations::newFolder(root_, std::string(26, 'x'), {}, settings_), 41);
  test::writeFileAt(dir_.path() / "notes.txt", 1);
  EXPECT_EQ(FolderOperations::newFolder(root_, "notes.txt", {}, settings_), 43);
  EXPECT_EQ(FolderOperations::newFolder(root_ + "/missing", "Work", {}, settings_), 44);
  EXPECT_EQ(settings_.size(), 0u);
}

TEST_F(FolderOperationsTest, RenameMovesTheOptionsAndKeepsTheNotes) {
  FolderOptions::write(settings_, "Personal", FolderOptions{1, 2});
  EXPECT_EQ(FolderOperations::renameFolder(root_, "Personal", "Private", settings_, english_), 0);
  EXPECT_TRUE(fs::exists(dir_.path() / "Private/Memo.wav"));
  EXPECT_FALSE(settings_.contains("Folder-Personal"));
  EXPECT_EQ(FolderOptions::readStored(settings_, "Private"), (FolderOptions{1, 2}));
}

TEST_F(FolderOperationsTest, RenameKeepsDefaultOptionsOfAFolderWithoutStoredOnes) {
  fs::create_directories(dir_.path() / "Alarms");
  EXPECT_EQ(FolderOperations::renameFolder(root_, "Alarms", "Wake", settings_, english_), 0);
  EXPECT_EQ(FolderOptions::readStored(settings_, "Wake"), (FolderOptions{1, 0}));
}

TEST_F(FolderOperationsTest, RenameRefusalsLeaveTheFolderAlone) {
  fs::create_directories(dir_.path() / "Business");
  FolderOptions::write(settings_, "Personal", FolderOptions{1, 2});
  EXPECT_EQ(FolderOperations::renameFolder(root_, "Personal", "", settings_, english_), 42);
  EXPECT_EQ(FolderOperations::renameFolder(root_, "Personal", "personal", settings_, english_), 43);
  EXPECT_EQ(FolderOperations::renameFolder(root_, "Personal", "Business", settings_, english_), 43);
  EXPECT_EQ(FolderOperations::renameFolder(root_, "Missing", "Other", settings_, english_), 45);
  EXPECT_TRUE(fs::exists(dir_.path() / "Personal/Memo.wav"));
  EXPECT_EQ(FolderOptions::readStored(settings_, "Personal"), (FolderOptions{1, 2}));
}

TEST_F(FolderOperationsTest, AFailedDirectoryMoveIsReportedAndLosesNothing) {
  if (geteuid() == 0) {
    GTEST_SKIP() << "permissions do not stop root";
  }
  fs::permissions(dir_.path(), fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_EQ(FolderOperations::renameFolder(root_, "Personal", "Other", settings_, english_), 45);
  EXPECT_EQ(FolderOperations::newFolder(root_, "Other", {}, settings_), 44);
  fs::permissions(dir_.path(), fs::perms::owner_write, fs::perm_options::add);
  EXPECT_TRUE(fs::exists(dir_.path() / "Personal/Memo.wav"));
}

TEST_F(FolderOperationsTest, DeleteRemovesNestedNotesAndOptionsButNotLinkedTargets) {
  test::writeFileAt(dir_.path() / "Personal/old/deeper/Old.wav", 4);
  fs::create_directories(dir_.path() / "Outside");
  test::writeFileAt(dir_.path() / "Outside/Keep.wav", 4);
  fs::create_directory_symlink(dir_.path() / "Outside", dir_.path() / "Personal/link");
  fs::permissions(dir_.path() / "Personal/old", fs::perms::owner_write,
                  fs::perm_options::remove);  // read-only: made writable to delete
  FolderOptions::write(settings_, "Personal", FolderOptions{1, 1});
  FolderOperations::deleteFolder(root_, "Personal", settings_);
  EXPECT_FALSE(fs::exists(dir_.path() / "Personal"));
  EXPECT_TRUE(fs::exists(dir_.path() / "Outside/Keep.wav"));
  EXPECT_FALSE(settings_.contains("Folder-Personal"));
  FolderOperations::deleteFolder(root_, "Personal", settings_);  // again: nothing to do
  FolderOperations::deleteFolder(root_, "..", settings_);
  EXPECT_TRUE(fs::exists(dir_.path() / "Outside/Keep.wav"));
}

}  // namespace
}  // namespace qp
