// Folders from a real notes directory, with their options from the settings.
#include "library/FolderList.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/MemorySettingsStore.h"
#include "library/FolderOptions.h"
#include "support/NoteTree.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

class FolderListTest : public ::testing::Test {
 protected:
  FolderListTest() : folders_(settings_, english_) {}

  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const FolderEntry& f : folders_.folders()) {
      out.push_back(f.name);
    }
    return out;
  }

  test::TempDir dir_;
  MemorySettingsStore settings_;
  StringTable english_{0x0409};
  FolderList folders_;
};

TEST_F(FolderListTest, ImmediateDirectoriesOnlyInByteOrder) {
  for (const char* name : {"b", "Personal", "alarms", "To Do", "Alarms2", "Work/old"}) {
    fs::create_directories(dir_.path() / name);
  }
  test::writeFileAt(dir_.path() / "file.wav", 4);
  folders_.setRoot(dir_.path().string());
  EXPECT_EQ(names(),
            (std::vector<std::string>{"Alarms2", "Personal", "To Do", "Work", "alarms", "b"}));
  EXPECT_EQ(folders_.currentIndex(), 0u);
  EXPECT_EQ(folders_.getAt(3)->path, (dir_.path() / "Work").string());
}

TEST_F(FolderListTest, OptionsComeFromTheSettingsOrTheDefaults) {
  for (const char* name : {"alarms", "Alarms2", "Short", "Set"}) {
    fs::create_directories(dir_.path() / name);
  }
  settings_.writeRecord("Folder-Short", {1, 0, 0, 0});                   // 4 bytes: ignored
  FolderOptions::write(settings_, "Set", FolderOptions{1, 3});           // stored
  settings_.writeRecord("Folder-Alarms2", {0, 0, 0, 0, 2, 0, 0, 0, 0});  // 9 bytes: ignored
  folders_.setRoot(dir_.path().string());
  auto at = [&](const char* name) { return *folders_.getAt(folders_.indexOf(name)); };
  EXPECT_EQ(at("alarms").promptForAlarms, 1u);
  EXPECT_EQ(at("Alarms2").promptForAlarms, 0u);
  EXPECT_EQ(at("Alarms2").sortOrder, 0u);
  EXPECT_EQ(at("Short").promptForAlarms, 0u);
  EXPECT_EQ(at("Set").promptForAlarms, 1u);
  EXPECT_EQ(at("Set").sortOrder, 3u);
}

TEST_F(FolderListTest, OptionsAreEightLittleEndianBytes) {
  FolderEntry entry{"", "To Do", 1, 0x01020304};
  ASSERT_TRUE(folders_.saveOptions(entry));
  EXPECT_EQ(settings_.readRecord("Folder-To Do"),
            (std::vector<std::uint8_t>{1, 0, 0, 0, 4, 3, 2, 1}));
  ASSERT_TRUE(folders_.deleteOptions(entry));
  EXPECT_FALSE(settings_.contains("Folder-To Do"));
  EXPECT_TRUE(folders_.deleteOptions(entry));  // a missing value is not an error
}

TEST_F(FolderListTest, PreviousAndFollowingWrapAroundAndSelectionIsExact) {
  for (const char* name : {"A", "B", "C"}) {
    fs::create_directories(dir_.path() / name);
  }
  folders_.setRoot(dir_.path().string());
  EXPECT_EQ(folders_.previous()->name, "C");
  EXPECT_EQ(folders_.following()->name, "A");
  EXPECT_EQ(folders_.following()->name, "B");
  EXPECT_TRUE(folders_.selectByName("C"));
  EXPECT_EQ(folders_.following()->name, "A");
  EXPECT_FALSE(folders_.selectByName("c"));
  EXPECT_EQ(folders_.current()->name, "A");
  EXPECT_EQ(folders_.first()->name, "A");
  EXPECT_EQ(folders_.next()->name, "B");
  EXPECT_EQ(folders_.next()->name, "C");
  EXPECT_EQ(folders_.next(), nullptr);
}

TEST_F(FolderListTest, AnEmptyOrMissingRootHasNoFolders) {
  folders_.setRoot((dir_.path() / "missing").string());
  EXPECT_TRUE(folders_.empty());
  EXPECT_EQ(folders_.current(), nullptr);
  EXPECT_EQ(folders_.previous(), nullptr);
  EXPECT_EQ(folders_.following(), nullptr);
}

}  // namespace
}  // namespace qp
