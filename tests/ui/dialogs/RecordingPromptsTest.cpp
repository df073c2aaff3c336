// What the desktop shows around a recording and the e-mail command: the no-audio dialog, the
// name dialog and the alarm prompt after filing, and the e-mail messages.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <filesystem>

#include "alarms/scheduling/AlarmCommands.h"
#include "common/MemorySettingsStore.h"
#include "common/StringIds.h"
#include "library/NewNoteFiler.h"
#include "support/AlarmFakes.h"
#include "support/ScopedTimeZone.h"
#include "support/TempDir.h"
#include "support/UiTexts.h"
#include "support/WavFixtures.h"
#include "ui/QtUiServices.h"
#include "ui/dialogs/AlarmDialog.h"
#include "ui/dialogs/EmailCommand.h"
#include "ui/dialogs/MessageRecorder.h"
#include "ui/dialogs/NameNoteDialog.h"
#include "ui/dialogs/NoAudioDialogView.h"
#include "ui/dialogs/QtAlarmUi.h"
#include "ui/dialogs/QtNewNoteUi.h"
#include "ui/dialogs/WhenShown.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
using test::uiText;
using test::whenShown;

TEST(NoAudioDialogViewTest, TheChoiceIsWhatThePersonPressed) {
  struct Row {
    bool showHelp;
    bool tick;
    bool pressHelp;
  };
  for (const Row& row : std::vector<Row>{
           {true, true, true}, {true, false, false}, {false, true, false}, {false, false, false}}) {
    whenShown<NoAudioDialogView>([row](NoAudioDialogView& dialog) {
      EXPECT_EQ(dialog.helpButton() != nullptr, row.showHelp);
      EXPECT_TRUE(dialog.okButton()->isDefault());
      dialog.doNotShowBox()->setChecked(row.tick);
      (row.pressHelp ? dialog.helpButton() : dialog.okButton())->click();
    });
    QtUiServices ui;
    const NoAudioChoice choice = ui.showNoAudioDialog("No audio", row.showHelp);
    EXPECT_EQ(choice.doNotShowAgain, row.tick);
    EXPECT_EQ(choice.help, row.pressHelp);
  }
}

class FakeComposer final : public MailComposer {
 public:
  bool available() const override { return isAvailable; }
  Result send(const MailMessage& message) override {
    sent.push_back(message);
    return result;
  }
  bool isAvailable = true;
  Result result = Result::Sent;
  std::vector<MailMessage> sent;
};

TEST(EmailCommandTest, MessagesForNoMailProgramAndARefusedMessage) {
  test::TempDir dir;
  NoteEntry note;
  note.path = dir.file("Memo.wav");
  note.plainName = "Memo";
  test::writeFileBytes(note.path, test::simpleWav(1, 8000, 16, {1, 2}));
  MemorySettingsStore settings;
  settings.writeNumber("EmailFormat", 0);
  StringTable strings(1033);
  struct Row {
    bool available;
    MailComposer::Result result;
    bool pressHelp;
    NoteEmailer::Outcome outcome;
    std::vector<std::string> messages;
    bool helpOpened;
  };
  const std::string failed = uiText(StringId::kEmailFailed);
  const std::vector<Row> rows{
      {false,
       MailComposer::Result::Sent,
       false,
       NoteEmailer::Outcome::Nothing,
       {uiText(StringId::kNoMailProgram)},
       false},
      {true, MailComposer::Result::Sent, false, NoteEmailer::Outcome::Sent, {}, false},
      {true, MailComposer::Result::Cancelled, false, NoteEmailer::Outcome::Sent, {}, false},
      {true, MailComposer::Result::Failed, false, NoteEmailer::Outcome::Failed, {failed}, false},
      {true, MailComposer::Result::Failed, true, NoteEmailer::Outcome::Failed, {failed}, true},
  };
  for (const Row& row : rows) {
    test::MessageRecorder messages(row.pressHelp);
    FakeComposer composer;
    composer.isAvailable = row.available;
    composer.result = row.result;
    NoteEmailer emailer(settings, strings, nullptr, composer);
    bool helpOpened = false;
    const auto outcome = EmailCommand::run(nullptr, emailer, composer, {&note}, dir.file("mail"),
                                           [&] { helpOpened = true; });
    EXPECT_EQ(outcome, row.outcome);
    EXPECT_EQ(messages.texts(), row.messages);
    EXPECT_EQ(helpOpened, row.helpOpened);
    EXPECT_EQ(composer.sent.size(), row.available ? 1U : 0U);
  }
}

class FilingPromptsTest : public testing::Test {
 protected:
  FilingPromptsTest() {
    fs::create_directories(dir_.path() / "Alarms");  // prompts for alarms by default
    fs::create_directories(dir_.path() / "Personal");
    recording_ = dir_.file("recording.wav");
    test::writeFileBytes(recording_,
                         test::simpleWav(1, 8000, 16, std::vector<std::uint8_t>(400, 1)));
  }

  test::ScopedTimeZone zone_{"UTC"};
  test::TempDir dir_;
  test::FakeClock clock_{1777897200};  // 2026-05-04 12:20 UTC
  MemorySettingsStore settings_;
  StringTable strings_{1033};
  test::FakeTimers timers_{clock_};
  test::FakeSounds sounds_{clock_};
  QtAlarmUi alarmUi_{settings_, clock_};
  test::NoTrash trash_;
  AlarmScheduler scheduler_{dir_.path().string(),
                            {settings_, strings_, clock_, timers_, sounds_, alarmUi_, trash_}};
  AlarmCommands alarms_{settings_, strings_, clock_, alarmUi_, scheduler_};
  QtNewNoteUi ui_{settings_, dir_.path().string(), &alarms_, nullptr};
  NewNoteFiler filer_{settings_, strings_, clock_, dir_.path().string(), ui_};
  std::string recording_;
};

TEST_F(FilingPromptsTest, TheNameDialogNamesTheNoteAndTheFolderPromptsForAnAlarm) {
  bool nameAsked = false;
  whenShown<NameNoteDialog>([&](NameNoteDialog& dialog) {
    nameAsked = true;
    dialog.nameEdit()->setText("Shopping");
    dialog.accept();
    whenShown<AlarmDialog>([](AlarmDialog& alarm) {
      alarm.timeEdit()->setTime(QTime(18, 0, 0));
      alarm.accept();
    });
  });
  const std::string filed = filer_.file(recording_);
  EXPECT_TRUE(nameAsked);
  EXPECT_EQ(filed, dir_.file("Alarms/Shopping.wav"));
  EXPECT_TRUE(fs::exists(dir_.file("Alarms/Shopping.wav")));
  EXPECT_TRUE(fs::exists(dir_.file("Alarms/Shopping.alm")));
  EXPECT_EQ(scheduler_.armedCount(), 1);
}

TEST_F(FilingPromptsTest, WithoutAskForNameNoDialogOpensInAFolderThatDoesNotPrompt) {
  settings_.writeNumber("AskForName", 0);
  settings_.writeText("DefFolder", "Personal");
  const std::string filed = filer_.file(recording_);
  EXPECT_EQ(fs::path(filed).parent_path(), dir_.path() / "Personal");
  EXPECT_TRUE(fs::path(filed).filename().string().starts_with("QP_"));
  EXPECT_EQ(scheduler_.armedCount(), 0);
}

}  // namespace
}  // namespace qp
