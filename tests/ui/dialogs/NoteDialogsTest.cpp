#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <string>
#include <vector>

#include "common/MemorySettingsStore.h"
#include "common/StringIds.h"
#include "common/StringTable.h"
#include "library/NoteList.h"
#include "support/AlarmFakes.h"
#include "support/FakeClock.h"
#include "support/NoteTree.h"
#include "support/TempDir.h"
#include "support/UiTexts.h"
#include "ui/dialogs/CTECheckListBox.h"
#include "ui/dialogs/EraseNotesDialog.h"
#include "ui/dialogs/MessageRecorder.h"
#include "ui/dialogs/MoveNotesDialog.h"
#include "ui/dialogs/NameNoteDialog.h"
#include "ui/dialogs/NotePropertiesDialog.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
using test::uiText;

class NoteDialogsTest : public testing::Test {
 protected:
  NoteDialogsTest() {
    for (const char* name : {"Personal/Memo.wav", "Personal/Call Bob.wav", "Personal/Memo.wma",
                             "Work/Memo.wav", "Work/Other.wav"}) {
      test::writeFileAt(dir_.path() / name, 100);
    }
    fs::create_directories(dir_.path() / "To Do");
  }

  std::string folder(const std::string& name) const { return (dir_.path() / name).string(); }
  const NoteEntry& note(const std::string& fileName) {
    list_.load(folder("Personal"));
    const NoteEntry* entry = list_.findByPath(folder("Personal") + "/" + fileName);
    EXPECT_NE(entry, nullptr);
    return *entry;
  }

  test::TempDir dir_;
  MemorySettingsStore settings_;
  StringTable strings_{1033};
  test::FakeClock clock_{test::kBaseTime};
  NoteList list_{settings_, strings_, clock_};
  test::MessageRecorder messages_;
  const std::vector<std::string> folders_{"Personal", "To Do", "Work"};
};

TEST_F(NoteDialogsTest, NameNoteRefusesWhatCannotBeDoneAndStaysOpen) {
  struct Row {
    std::string name;
    std::string folder;
    int message;
  };
  const std::vector<Row> rows{
      {"Memo", "Work", StringId::kNoteNotMoved},  // Work holds a Memo.wav already
      {"Call Bob", "Personal", StringId::kNoteNotMoved},
      {std::string(250, 'n'), "Personal", StringId::kNameTooLong},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name + " in " + row.folder);
    messages_.messages.clear();
    NameNoteDialog dialog(nullptr, dir_.path().string(), note("Memo.wav"), folders_, "Personal");
    dialog.nameEdit()->setText(QString::fromStdString(row.name));
    dialog.folderBox()->setCurrentText(QString::fromStdString(row.folder));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(messages_.texts(), std::vector<std::string>{uiText(row.message)});
  }
  EXPECT_TRUE(fs::exists(folder("Personal") + "/Memo.wav"));
  EXPECT_TRUE(fs::exists(folder("Work") + "/Memo.wav"));
}

TEST_F(NoteDialogsTest, NameNoteRenamesAndMovesWithTheCompanion) {
  NameNoteDialog dialog(nullptr, dir_.path().string(), note("Memo.wav"), folders_, "Personal");
  EXPECT_EQ(dialog.nameEdit()->text(), "Memo");
  EXPECT_EQ(dialog.folderBox()->currentText(), "Personal");
  dialog.nameEdit()->setText("Groceries");
  dialog.folderBox()->setCurrentText("To Do");
  dialog.accept();
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(dialog.nameResult().ok);
  EXPECT_EQ(dialog.nameResult().folder, "To Do");
  EXPECT_EQ(dialog.nameResult().path, folder("To Do") + "/Groceries.wav");
  EXPECT_TRUE(fs::exists(folder("To Do") + "/Groceries.wav"));
  EXPECT_TRUE(fs::exists(folder("To Do") + "/Groceries.wma"));
  EXPECT_FALSE(fs::exists(folder("Personal") + "/Memo.wav"));
}

TEST_F(NoteDialogsTest, NoteNameTypingDropsForbiddenCharactersWithOneMessageEach) {
  NameNoteDialog dialog(nullptr, dir_.path().string(), note("Memo.wav"), folders_, "Personal");
  struct Row {
    std::string typed;
    std::string left;
    std::size_t messages;
  };
  for (const Row& row :
       std::vector<Row>{{"a/b", "ab", 1}, {"<x>|y", "xy", 1}, {"fine", "fine", 0}}) {
    messages_.messages.clear();
    dialog.nameEdit()->setText(QString::fromStdString(row.typed));
    EXPECT_EQ(dialog.nameEdit()->text().toStdString(), row.left) << row.typed;
    EXPECT_EQ(messages_.messages.size(), row.messages) << row.typed;
  }
}

TEST_F(NoteDialogsTest, AnAutomaticallyNamedNoteOpensCleanedSilentlyAndKeepsItsFileName) {
  const std::string autoName = "QP_Tue Mar  3 10.00.00 2026.wav";
  test::writeFileAt(dir_.path() / "Personal" / autoName, 100);
  const NoteEntry& entry = note(autoName);
  NameNoteDialog dialog(nullptr, dir_.path().string(), entry, folders_, "Personal");
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_FALSE(dialog.nameEdit()->text().contains(':'));
  dialog.folderBox()->setCurrentText("Work");
  dialog.accept();
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(fs::exists(folder("Work") + "/" + autoName));
  // The silence is used up: a later forbidden character is reported.
  dialog.nameEdit()->setText("x:y");
  EXPECT_EQ(messages_.messages.size(), 1U);
}

TEST_F(NoteDialogsTest, MoveNotesOffersTheOtherFoldersAndReportsEachNoteThatStays) {
  list_.load(folder("Personal"));
  std::vector<const NoteEntry*> notes;
  for (const NoteEntry& entry : list_.entries()) {
    notes.push_back(&entry);
  }
  MoveNotesDialog dialog(nullptr, dir_.path().string(), notes, folders_, "Personal");
  ASSERT_EQ(dialog.folderList()->count(), 2);
  EXPECT_EQ(dialog.folderList()->item(0)->text(), "To Do");
  EXPECT_EQ(dialog.folderList()->currentRow(), 0);

  dialog.folderList()->clearSelection();
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{uiText(StringId::kNoFolderChosen)});

  messages_.messages.clear();
  dialog.folderList()->setCurrentRow(1);  // Work: its Memo.wav keeps ours out
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.movedCount(), 1U);
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{uiText(StringId::kNoteNotMoved)});
  EXPECT_TRUE(fs::exists(folder("Work") + "/Call Bob.wav"));
  EXPECT_TRUE(fs::exists(folder("Personal") + "/Memo.wav"));
}

TEST_F(NoteDialogsTest, EraseDialogListsChecksAndErasesTheCheckedNotesOnly) {
  test::writeFileAt(dir_.path() / "Personal" / "Third.wav", 100);
  list_.load(folder("Personal"));
  ASSERT_EQ(list_.size(), 3U);
  test::NoTrash trash;
  EraseNotesDialog dialog(nullptr, list_, "Personal", {1}, trash);
  CTECheckListBox* checks = dialog.checkList();
  ASSERT_EQ(checks->count(), 3);
  EXPECT_EQ(checks->item(0)->text().toStdString(), " 1.  " + list_.getAt(0)->displayName);
  EXPECT_EQ(checks->checkedRows(), std::vector<int>{1});
  dialog.checkAllButton()->click();
  EXPECT_EQ(checks->checkedRows(), (std::vector<int>{0, 1, 2}));
  dialog.uncheckAllButton()->click();
  EXPECT_TRUE(checks->checkedRows().empty());
  checks->setChecked(0, true);
  checks->setChecked(2, true);
  const std::string first = list_.getAt(0)->path;
  const std::string second = list_.getAt(1)->path;
  const std::string third = list_.getAt(2)->path;
  dialog.accept();
  EXPECT_EQ(dialog.erasedCount(), 2U);
  EXPECT_FALSE(fs::exists(first));
  EXPECT_TRUE(fs::exists(second));
  EXPECT_FALSE(fs::exists(third));
}

TEST_F(NoteDialogsTest, EraseQuestionNamesTheCountAndShiftSkipsIt) {
  messages_.setAnswer(false);
  EXPECT_FALSE(EraseNotesDialog::confirmErase(nullptr, 1, false));
  EXPECT_FALSE(EraseNotesDialog::confirmErase(nullptr, 3, false));
  EXPECT_TRUE(EraseNotesDialog::confirmErase(nullptr, 3, true));
  EXPECT_FALSE(EraseNotesDialog::confirmErase(nullptr, 0, true));
  EXPECT_EQ(messages_.texts(), (std::vector<std::string>{
                                   uiText(StringId::kEraseNoteQuestion),
                                   StringTable::format(uiText(StringId::kEraseNotesQuestion), 3)}));
}

TEST_F(NoteDialogsTest, PropertiesShowTheNotesLines) {
  NotePropertiesDialog dialog(nullptr, note("Memo.wav"), "Personal");
  EXPECT_EQ(dialog.valueLabel(0)->text(), "Memo");
  EXPECT_EQ(dialog.valueLabel(1)->text(), "Personal");
  EXPECT_EQ(dialog.valueLabel(5)->text().toStdString(), dialog.properties().fileSize);
  EXPECT_TRUE(dialog.valueLabel(6)->text().endsWith("Memo.wav"));
}

TEST_F(NoteDialogsTest, ModalRunDisablesTheOwnerAndGivesActivationBack) {
  QWidget owner;
  owner.show();
  owner.activateWindow();
  NotePropertiesDialog dialog(&owner, note("Memo.wav"), "Personal");
  bool ownerEnabledWhileOpen = true;
  bool dialogEnabledWhileOpen = false;
  QTimer::singleShot(0, &dialog, [&] {
    ownerEnabledWhileOpen = owner.isEnabled();
    dialogEnabledWhileOpen = dialog.isEnabled();
    dialog.reject();
  });
  EXPECT_EQ(dialog.runModal(), QDialog::Rejected);
  EXPECT_FALSE(ownerEnabledWhileOpen);
  EXPECT_TRUE(dialogEnabledWhileOpen);
  EXPECT_TRUE(owner.isEnabled());
}

}  // namespace
}  // namespace qp
