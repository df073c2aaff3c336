// Filing a finished recording: the time-stamped name, the folder, the name dialog, the alarm
// prompt and the companion.
#include "library/NewNoteFiler.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/MemorySettingsStore.h"
#include "library/FolderOptions.h"
#include "library/NameRules.h"
#include "library/NoteOperations.h"
#include "support/FakeClock.h"
#include "support/NoteTree.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

class FakeNewNoteUi final : public NewNoteUi {
 public:
  NameNoteResult askForName(const NoteEntry& note, const std::string& currentFolder) override {
    asked.push_back(note.path);
    if (!answer) {
      return {};
    }
    const auto renamed = NoteOperations::renameOrMove(notesDirectory, note, currentFolder,
                                                      answer->first, answer->second);
    return {true, answer->second, renamed.changed ? renamed.newPath : note.path};
  }
  void promptForAlarm(NoteEntry& note) override { alarmPrompts.push_back(note.path); }
  void makeCompanion(NoteEntry& note) override { companions.push_back(note.path); }

  std::string notesDirectory;
  std::optional<std::pair<std::string, std::string>> answer;  // name, folder
  std::vector<std::string> asked, alarmPrompts, companions;
};

class NewNoteFilerTest : public testing::Test {
 protected:
  NewNoteFilerTest() {
    for (const char* folder : {"Alarms", "Business", "Personal"}) {
      fs::create_directories(root_ / folder);
    }
    ui_.notesDirectory = root_.string();
    settings_.writeText("DefFolder", "Personal");
  }
  std::string recording(const std::string& folder) {
    const fs::path path = root_ / folder / "QP_recording.wav";
    test::writeFileAt(path, 100, test::kBaseTime);
    return path.string();
  }
  std::string stamped(const std::string& folder) const {
    return (root_ / folder / (NameRules::newNoteName(test::kBaseTime) + ".wav")).string();
  }

  test::TempDir dir_;
  fs::path root_ = dir_.path() / "notes";
  MemorySettingsStore settings_;
  StringTable strings_{1033};
  test::FakeClock clock_{test::kBaseTime};
  FakeNewNoteUi ui_;
  NewNoteFiler filer_{settings_, strings_, clock_, root_.string(), ui_};
};

TEST_F(NewNoteFilerTest, MovesTheRecordingIntoTheDefaultFolderUnderItsTimeAndAsksForAName) {
  const std::string path = filer_.file(recording("Business"));
  EXPECT_EQ(path, stamped("Personal"));
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(filer_.currentFolder(), "Personal");
  EXPECT_EQ(ui_.asked, (std::vector<std::string>{path}));  // AskForName defaults to on
  EXPECT_TRUE(ui_.alarmPrompts.empty());
  EXPECT_TRUE(ui_.companions.empty());
}

TEST_F(NewNoteFilerTest, TheNameDialogMayRenameAndMoveTheNoteToAnotherFolder) {
  ui_.answer = std::make_pair(std::string("Call Bob"), std::string("alarms"));
  fs::create_directories(root_ / "alarms");
  const std::string path = filer_.file(recording("Personal"));
  EXPECT_EQ(path, (root_ / "alarms" / "Call Bob.wav").string());
  EXPECT_EQ(filer_.currentFolder(), "alarms");
  // The chosen folder is the language's alarms folder (case ignored): the alarm prompt opens.
  EXPECT_EQ(ui_.alarmPrompts, (std::vector<std::string>{path}));
}

TEST_F(NewNoteFilerTest, FolderOptionsAndDragFormatBringThePromptAndTheCompanion) {
  settings_.writeNumber("AskForName", 0);
  settings_.writeNumber("DragFormat", 1);
  FolderOptions options;
  options.promptForAlarms = 1;
  FolderOptions::write(settings_, "Business", options);
  filer_.setFolder("Business");
  const std::string path = filer_.file(recording("Personal"));
  EXPECT_EQ(path, stamped("Business"));
  EXPECT_TRUE(ui_.asked.empty());
  EXPECT_EQ(ui_.alarmPrompts, (std::vector<std::string>{path}));
  EXPECT_EQ(ui_.companions, (std::vector<std::string>{path}));
}

TEST_F(NewNoteFilerTest, ATakenNameLeavesTheFileWhereItIsAndNoFolderFilesNothing) {
  test::writeFileAt(stamped("Personal"), 10);
  const std::string recorded = recording("Personal");
  EXPECT_EQ(filer_.file(recorded), recorded);
  EXPECT_EQ(fs::file_size(stamped("Personal")), 10u);  // the other note is untouched

  test::TempDir empty;
  NewNoteFiler nowhere(settings_, strings_, clock_, empty.path().string(), ui_);
  EXPECT_EQ(nowhere.file(recorded), "");
  EXPECT_TRUE(fs::exists(recorded));
}

}  // namespace
}  // namespace qp
