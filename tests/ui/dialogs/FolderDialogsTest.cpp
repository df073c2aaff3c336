#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "common/MemorySettingsStore.h"
#include "common/StringIds.h"
#include "common/StringTable.h"
#include "library/FolderOptions.h"
#include "support/TempDir.h"
#include "support/UiTexts.h"
#include "ui/dialogs/FolderNameDialog.h"
#include "ui/dialogs/FolderOptionsDialog.h"
#include "ui/dialogs/FolderOptionsGroup.h"
#include "ui/dialogs/MessageRecorder.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
using test::uiText;

std::string tooLongText() {
  return StringTable::format(uiText(StringId::kFolderNameTooLong), 25);
}

class FolderDialogsTest : public testing::Test {
 protected:
  FolderDialogsTest() { fs::create_directories(dir_.path() / "Personal"); }

  test::TempDir dir_;
  MemorySettingsStore settings_;
  test::MessageRecorder messages_;
};

TEST_F(FolderDialogsTest, TypingCheckRemovesForbiddenCharactersAndCutsLongNames) {
  struct Row {
    std::string typed;
    std::string left;
    std::vector<std::string> messages;
  };
  const std::string forbidden = uiText(StringId::kFolderNameForbiddenCharacter);
  const std::vector<Row> rows{
      {"a:b", "ab", {forbidden}},
      {"a:b*c", "abc", {forbidden, forbidden}},
      {std::string(30, 'x'), std::string(25, 'x'), {tooLongText()}},
      {std::string(25, 'y'), std::string(25, 'y'), {}},
      {"Work \"plans\"", "Work plans", {forbidden, forbidden}},
      {"plain", "plain", {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    FolderNameDialog dialog(nullptr, dir_.path().string(), settings_);
    messages_.messages.clear();
    dialog.nameEdit()->setText(QString::fromStdString(row.typed));
    EXPECT_EQ(dialog.nameEdit()->text().toStdString(), row.left);
    EXPECT_EQ(messages_.texts(), row.messages);
  }
}

TEST_F(FolderDialogsTest, NewAndRenameRefuseWithTheirMessagesAndStayOpen) {
  struct Row {
    std::string current;  // empty: New Folder
    std::string name;
    int message;  // 0: accepted
  };
  const std::vector<Row> rows{
      {"", "", StringId::kFolderNameEmpty},
      {"", "Personal", StringId::kFolderNameTaken},
      {"", "PERSONAL", StringId::kFolderNameTaken},
      {"Personal", "", StringId::kFolderNameEmpty},
      {"Personal", "personal", StringId::kFolderNameTaken},
      {"Missing", "Elsewhere", StringId::kFolderNotRenamed},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.current + " -> " + row.name);
    messages_.messages.clear();
    auto dialog = row.current.empty()
                      ? std::make_unique<FolderNameDialog>(nullptr, dir_.path().string(), settings_)
                      : std::make_unique<FolderNameDialog>(nullptr, dir_.path().string(), settings_,
                                                           row.current);
    dialog->nameEdit()->setText(QString::fromStdString(row.name));
    dialog->accept();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(messages_.texts(), std::vector<std::string>{uiText(row.message)});
  }
  EXPECT_TRUE(fs::is_directory(dir_.path() / "Personal"));
}

TEST_F(FolderDialogsTest, NewFolderIsMadeWithItsOptionsAndRenameMovesThem) {
  FolderNameDialog create(nullptr, dir_.path().string(), settings_);
  create.nameEdit()->setText("Work");
  create.optionsGroup()->promptBox()->setChecked(true);
  create.optionsGroup()->orderButton(3)->setChecked(true);
  create.accept();
  ASSERT_EQ(create.result(), QDialog::Accepted);
  EXPECT_TRUE(fs::is_directory(dir_.path() / "Work"));
  const FolderOptions made{1, 3};
  EXPECT_EQ(FolderOptions::readStored(settings_, "Work"), made);

  FolderNameDialog rename(nullptr, dir_.path().string(), settings_, "Work");
  rename.nameEdit()->setText("Jobs");
  rename.accept();
  ASSERT_EQ(rename.result(), QDialog::Accepted);
  EXPECT_EQ(rename.name(), "Jobs");
  EXPECT_FALSE(fs::exists(dir_.path() / "Work"));
  EXPECT_TRUE(fs::is_directory(dir_.path() / "Jobs"));
  EXPECT_EQ(FolderOptions::readStored(settings_, "Jobs"), made);
  EXPECT_FALSE(FolderOptions::readStored(settings_, "Work").has_value());
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(FolderDialogsTest, AlarmDateIsOfferedOnlyWithPromptForAlarms) {
  FolderOptionsGroup group;
  group.setOptions(FolderOptions{0, 3});  // a stored Alarm Date without the prompt
  EXPECT_TRUE(group.orderButton(0)->isChecked());
  EXPECT_FALSE(group.orderButton(3)->isEnabled());
  group.promptBox()->setChecked(true);
  EXPECT_TRUE(group.orderButton(3)->isEnabled());
  group.orderButton(3)->setChecked(true);
  EXPECT_EQ(group.options(), (FolderOptions{1, 3}));
  group.promptBox()->setChecked(false);
  EXPECT_EQ(group.options(), (FolderOptions{0, 0}));
  group.orderButton(2)->setChecked(true);
  group.promptBox()->setChecked(true);
  group.promptBox()->setChecked(false);
  EXPECT_EQ(group.options(), (FolderOptions{0, 2}));  // another order stays
}

TEST_F(FolderDialogsTest, OptionsDialogShowsAndStoresTheFolderOptions) {
  FolderOptions::write(settings_, "Personal", FolderOptions{1, 1});
  FolderOptionsDialog dialog(nullptr, "Personal", settings_);
  EXPECT_EQ(dialog.windowTitle().toStdString(), uiText(StringId::kOptionsLabel) + " Personal");
  EXPECT_EQ(dialog.options(), (FolderOptions{1, 1}));
  EXPECT_FALSE(dialog.sortOrderChanged());
  dialog.optionsGroup()->orderButton(2)->setChecked(true);
  EXPECT_TRUE(dialog.sortOrderChanged());
  dialog.accept();
  EXPECT_EQ(FolderOptions::readStored(settings_, "Personal"), (FolderOptions{1, 2}));
}

TEST_F(FolderDialogsTest, DeletingAFolderAsksFirst) {
  fs::create_directories(dir_.path() / "Personal" / "nested");
  std::ofstream(dir_.path() / "Personal" / "nested" / "Memo.wav") << "x";
  messages_.setAnswer(false);
  EXPECT_FALSE(
      FolderOptionsDialog::deleteFolder(nullptr, dir_.path().string(), "Personal", settings_));
  EXPECT_TRUE(fs::exists(dir_.path() / "Personal" / "nested" / "Memo.wav"));
  messages_.setAnswer(true);
  EXPECT_TRUE(
      FolderOptionsDialog::deleteFolder(nullptr, dir_.path().string(), "Personal", settings_));
  EXPECT_FALSE(fs::exists(dir_.path() / "Personal"));
  ASSERT_EQ(messages_.messages.size(), 2U);
  EXPECT_TRUE(messages_.messages[0].question);
  EXPECT_EQ(messages_.texts()[0], uiText(StringId::kDeleteFolderQuestion));
}

TEST_F(FolderDialogsTest, EnterConfirmsAndEscapeCancels) {
  struct Row {
    int key;
    std::string name;
    int result;
  };
  for (const Row& row : std::vector<Row>{{Qt::Key_Return, "Ideas", QDialog::Accepted},
                                         {Qt::Key_Enter, "More", QDialog::Accepted},
                                         {Qt::Key_Escape, "Never", QDialog::Rejected}}) {
    FolderNameDialog dialog(nullptr, dir_.path().string(), settings_);
    dialog.show();
    dialog.nameEdit()->setText(QString::fromStdString(row.name));
    QKeyEvent press(QEvent::KeyPress, row.key, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog.nameEdit(), &press);
    EXPECT_EQ(dialog.result(), row.result) << row.name;
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(fs::is_directory(dir_.path() / row.name), row.result == QDialog::Accepted);
  }
}

}  // namespace
}  // namespace qp
