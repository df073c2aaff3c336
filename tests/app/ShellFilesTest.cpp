// What the desktop program leaves on disk, over a temporary home: the log-on entry, the first
// run's notes directory and default folders, FilePath, and the uninstall clean-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "app/AutostartEntry.h"
#include "app/DesktopProgram.h"
#include "app/ProgramFile.h"
#include "app/UninstallCleanup.h"
#include "common/MemorySettingsStore.h"
#include "common/StringIds.h"
#include "support/FakeClock.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"
#include "support/WavFixtures.h"

namespace qp::app {
namespace {
namespace fs = std::filesystem;

class ShellFilesTest : public testing::Test {
 protected:
  ShellFilesTest() {
    env_.set("HOME", home());
    env_.set("XDG_CONFIG_HOME", config());
    env_.unset("XDG_DOCUMENTS_DIR");
    env_.unset("QUILLOPHONE_NOTES_DIR");
  }
  std::string home() const { return dir_.file("home"); }
  std::string config() const { return dir_.file("home/.config"); }
  std::string documentsNotes() const { return home() + "/Documents/Quillophone"; }
  std::set<std::string> foldersIn(const std::string& path) const {
    std::set<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(path, ec)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  test::TempDir dir_;
  test::ScopedEnvironment env_;
  MemorySettingsStore settings_;
};

TEST_F(ShellFilesTest, AutostartEntryRunsTheProgramInTheTray) {
  EXPECT_EQ(AutostartEntry::filePath(), config() + "/autostart/quillophone.desktop");
  const std::string text = AutostartEntry::contents("/opt/Voice Notes/quillophone");
  EXPECT_NE(text.find("[Desktop Entry]\nType=Application\n"), std::string::npos);
  EXPECT_NE(text.find("\nExec=\"/opt/Voice Notes/quillophone\" /tray\n"), std::string::npos);
  EXPECT_NE(text.find("\nX-GNOME-Autostart-enabled=true\n"), std::string::npos);
  const struct {
    const char* path;
    const char* quoted;
  } quoting[] = {
      {"/usr/bin/quillophone", "\"/usr/bin/quillophone\""},
      {"/a \"b\"/q", "\"/a \\\"b\\\"/q\""},
      {"/$HOME/`x`\\q", "\"/\\$HOME/\\`x\\`\\\\q\""},
  };
  for (const auto& c : quoting) {
    EXPECT_EQ(AutostartEntry::quotedForExec(c.path), c.quoted) << c.path;
  }
}

TEST_F(ShellFilesTest, AutostartEntryIsWrittenKeptRewrittenAndLeftOnSwitchingOff) {
  using Outcome = AutostartEntry::Outcome;
  settings_.writeNumber("OnTray", 0);
  EXPECT_EQ(AutostartEntry::switchOn(settings_, "/usr/bin/quillophone"), Outcome::Written);
  EXPECT_EQ(settings_.readNumber("OnTray", -1), 1);
  const auto written = fs::last_write_time(AutostartEntry::filePath());
  EXPECT_EQ(AutostartEntry::switchOn(settings_, "/usr/bin/quillophone"), Outcome::Kept);
  EXPECT_EQ(fs::last_write_time(AutostartEntry::filePath()), written);
  EXPECT_EQ(AutostartEntry::switchOn(settings_, "/opt/q/quillophone"), Outcome::Rewritten);
  EXPECT_EQ(test::readFileText(AutostartEntry::filePath()),
            AutostartEntry::contents("/opt/q/quillophone"));

  AutostartEntry::switchOff(settings_);
  EXPECT_EQ(settings_.readNumber("OnTray", -1), 0);
  EXPECT_TRUE(fs::exists(AutostartEntry::filePath()));
  AutostartEntry::remove();
  EXPECT_FALSE(fs::exists(AutostartEntry::filePath()));
  AutostartEntry::remove();  // a missing entry is fine

  env_.unset("XDG_CONFIG_HOME");
  EXPECT_EQ(AutostartEntry::filePath(), home() + "/.config/autostart/quillophone.desktop");
}

TEST_F(ShellFilesTest, TrayStartWithTrayOffEndsBeforeAnyDirectoryIsMade) {
  settings_.writeNumber("OnTray", 0);
  const StringTable english(1033);
  EXPECT_FALSE(DesktopProgram::prepare(CommandLine::parse({"/tray"}), settings_, english));
  EXPECT_EQ(settings_.readText("FilePath", ""), "\"" + ProgramFile::path() + "\"");
  EXPECT_FALSE(fs::exists(home()));
  EXPECT_EQ(settings_.readText("NotesPath", ""), "");
}

TEST_F(ShellFilesTest, FirstRunMakesTheLanguagesDefaultFolders) {
  const std::set<std::string> english = {"Alarms", "Business", "Personal", "To Do"};
  const std::uint16_t languages[] = {1033, 1028, 2052, 1031, 1036, 1040, 1041, 1042, 1049, 2058};
  for (std::uint16_t language : languages) {
    fs::remove_all(home());
    MemorySettingsStore settings;
    const StringTable strings(language);
    const auto notes = DesktopProgram::prepare(CommandLine::parse({}), settings, strings);
    ASSERT_TRUE(notes) << language;
    EXPECT_EQ(*notes, documentsNotes()) << language;
    EXPECT_EQ(settings.readText("NotesPath", ""), documentsNotes()) << language;
    std::set<std::string> expected;
    for (int id = StringId::kDefaultFolder1; id <= StringId::kDefaultFolder8; ++id) {
      if (strings.text(id).size() > 2) {
        expected.insert(strings.text(id));
      }
    }
    EXPECT_EQ(foldersIn(*notes), expected) << language;
    EXPECT_EQ(settings.readText("DefFolder", ""), strings.text(StringId::kDefaultFolder1));
    if (strings.isEnglish()) {
      EXPECT_EQ(expected, english);
    }
  }
}

TEST_F(ShellFilesTest, ARemovedNotesDirectoryIsMadeAgainWithDefFolderReset) {
  const StringTable english(1033);
  ASSERT_TRUE(DesktopProgram::prepare(CommandLine::parse({}), settings_, english));
  settings_.writeText("DefFolder", "Business");
  fs::remove_all(documentsNotes());
  const auto again = DesktopProgram::prepare(CommandLine::parse({"/tray"}), settings_, english);
  ASSERT_TRUE(again);
  EXPECT_EQ(foldersIn(*again).count("Personal"), 1U);
  EXPECT_EQ(settings_.readText("DefFolder", ""), "Personal");

  // A stored directory that still exists is used as it is, without default folders.
  const std::string elsewhere = dir_.file("elsewhere");
  fs::create_directories(elsewhere);
  settings_.writeText("NotesPath", elsewhere);
  EXPECT_EQ(DesktopProgram::prepare(CommandLine::parse({}), settings_, english), elsewhere);
  EXPECT_TRUE(foldersIn(elsewhere).empty());
}

class UninstallCleanupTest : public ShellFilesTest {
 protected:
  void SetUp() override {
    fs::create_directories(notes_ + "/Personal");
    fs::create_directories(fs::path(settingsFile_).parent_path());
    test::writeFileBytes(settingsFile_, {'[', ']'});
    AutostartEntry::switchOn(settings_, "/usr/bin/quillophone");
  }
  void addNote() {
    test::writeFileBytes(notes_ + "/Personal/Memo.wav",
                         test::simpleWav(1, 8000, 16, test::Bytes(1600, 0)));
  }
  UninstallCleanup::Result run(bool silent, bool answer) {
    asked_ = 0;
    UninstallCleanup cleanup(settings_, strings_, clock_);
    return cleanup.run(notes_, settingsFile_, silent, [&] {
      ++asked_;
      return answer;
    });
  }

  std::string notes_ = dir_.file("notes");
  std::string settingsFile_ = config() + "/Tolvane Electronics/TolvaneQP.conf";
  StringTable strings_{1033};
  test::FakeClock clock_;
  int asked_ = 0;
};

TEST_F(UninstallCleanupTest, NotesAreAskedAboutUnlessSilentAndSettingsAlwaysGo) {
  const struct {
    bool notes, silent, answer;
    int asked;
    bool notesRemain;
  } cases[] = {
      {false, false, false, 0, false},  // no note: the directory goes without a question
      {false, true, false, 0, false},  {true, false, true, 1, false},  // Yes erases the notes
      {true, false, false, 1, true},                                   // No keeps them
      {true, true, true, 0, true},  // silent keeps them and asks nothing
  };
  for (const auto& c : cases) {
    SetUp();
    if (c.notes) {
      addNote();
    }
    const auto result = run(c.silent, c.answer);
    const std::string label = "notes " + std::to_string(c.notes) + " silent " +
                              std::to_string(c.silent) + " answer " + std::to_string(c.answer);
    EXPECT_EQ(result.heldNotes, c.notes) << label;
    EXPECT_EQ(asked_, c.asked) << label;
    EXPECT_EQ(fs::exists(notes_), c.notesRemain) << label;
    EXPECT_EQ(result.notesDeleted, !c.notesRemain) << label;
    EXPECT_FALSE(fs::exists(settingsFile_)) << label;
    EXPECT_FALSE(fs::exists(fs::path(settingsFile_).parent_path())) << label;
    EXPECT_FALSE(fs::exists(AutostartEntry::filePath())) << label;
    fs::remove_all(notes_);
  }
}

TEST_F(UninstallCleanupTest, OtherFilesOfTheMakerStay) {
  const std::string wizard = fs::path(settingsFile_).parent_path() / "TolvaneWizard.conf";
  test::writeFileBytes(wizard, {'x'});
  run(true, false);
  EXPECT_FALSE(fs::exists(settingsFile_));
  EXPECT_TRUE(fs::exists(wizard));
}

}  // namespace
}  // namespace qp::app
