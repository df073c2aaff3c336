// Where the notes live: the override, the stored path, the documents directory, the fallback,
// and the folders made in a new notes directory.
#include "library/NotesDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/MemorySettingsStore.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

class NotesDirectoryTest : public ::testing::Test {
 protected:
  NotesDirectoryTest() {
    home_ = (dir_.path() / "home").string();
    fs::create_directories(home_);
    env_.unset("QUILLOPHONE_NOTES_DIR");
    env_.unset("XDG_DOCUMENTS_DIR");
    env_.set("XDG_CONFIG_HOME", home_ + "/.config");
    env_.set("HOME", home_);
  }
  std::string resolve() { return NotesDirectory::resolve(settings_, english_, program_); }

  test::TempDir dir_;
  test::ScopedEnvironment env_;
  std::string home_;
  std::string program_ = "/nonexistent-program-dir/";
  MemorySettingsStore settings_;
  StringTable english_{0x0409};
};

TEST_F(NotesDirectoryTest, FirstRunUsesDocumentsAndCreatesTheDefaultFolders) {
  const std::string notes = resolve();
  EXPECT_EQ(notes, home_ + "/Documents/Quillophone");
  EXPECT_EQ(settings_.readText("NotesPath", ""), notes);
  EXPECT_EQ(settings_.readText("DefFolder", ""), "Personal");
  std::vector<std::string> folders;
  for (const auto& entry : fs::directory_iterator(notes)) {
    folders.push_back(entry.path().filename().string());
  }
  std::sort(folders.begin(), folders.end());
  EXPECT_EQ(folders, (std::vector<std::string>{"Alarms", "Business", "Personal", "To Do"}));
}

TEST_F(NotesDirectoryTest, AnExistingStoredPathIsUsedAsItIs) {
  const std::string elsewhere = (dir_.path() / "elsewhere").string();
  fs::create_directories(elsewhere);
  settings_.writeText("NotesPath", elsewhere);
  EXPECT_EQ(resolve(), elsewhere);
  EXPECT_TRUE(fs::is_empty(elsewhere));
  EXPECT_FALSE(settings_.contains("DefFolder"));
}

TEST_F(NotesDirectoryTest, ARemovedStoredPathIsResolvedAfreshWithDefaultFolders) {
  settings_.writeText("NotesPath", (dir_.path() / "gone").string());
  settings_.writeText("DefFolder", "Work");
  EXPECT_EQ(resolve(), home_ + "/Documents/Quillophone");
  EXPECT_EQ(settings_.readText("DefFolder", ""), "Personal");
}

TEST_F(NotesDirectoryTest, TheDocumentsDirectoryComesFromTheUserDirsFileOrTheEnvironment) {
  fs::create_directories(home_ + "/.config");
  std::ofstream(home_ + "/.config/user-dirs.dirs")
      << "# written by the desktop\nXDG_MUSIC_DIR=\"$HOME/Music\"\n"
         "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n";
  EXPECT_EQ(NotesDirectory::documentsDirectory(), home_ + "/Papers");
  env_.set("XDG_DOCUMENTS_DIR", home_ + "/Docs");
  EXPECT_EQ(NotesDirectory::documentsDirectory(), home_ + "/Docs");
}

TEST_F(NotesDirectoryTest, WithoutAHomeTheProgramDirectoryIsTheFallback) {
  env_.unset("HOME");
  env_.unset("XDG_CONFIG_HOME");
  program_ = (dir_.path() / "prog").string() + "/";
  EXPECT_EQ(resolve(), (dir_.path() / "prog/Quillophone").string());
  EXPECT_TRUE(fs::is_directory(dir_.path() / "prog/Quillophone/Personal"));
}

TEST_F(NotesDirectoryTest, TheOverrideWinsAndIsNotStored) {
  const std::string override = (dir_.path() / "scripted").string();
  env_.set("QUILLOPHONE_NOTES_DIR", override);
  settings_.writeText("NotesPath", home_);
  EXPECT_EQ(resolve(), override);
  EXPECT_EQ(settings_.readText("NotesPath", ""), home_);
  EXPECT_TRUE(fs::is_directory(override + "/Personal"));
  fs::remove_all(override + "/Alarms");
  resolve();  // it holds folders now: none are added again
  EXPECT_FALSE(fs::exists(override + "/Alarms"));
}

TEST_F(NotesDirectoryTest, ShortLocalisedNamesCreateNoFolder) {
  const std::string notes = (dir_.path() / "n").string();
  fs::create_directories(notes);
  NotesDirectory::createDefaultFolders(notes, settings_, english_);
  EXPECT_FALSE(fs::exists(notes + "/ "));
  EXPECT_EQ(std::distance(fs::directory_iterator(notes), fs::directory_iterator()), 4);
}

}  // namespace
}  // namespace qp
