// The alarm commands and the scheduler with the desktop's alarm dialog and popup in place of
// scripted ones: what the person does in the windows reaches the alarm files and the timers.
#include "ui/dialogs/QtAlarmUi.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "alarms/AlarmTemplate.h"
#include "alarms/scheduling/AlarmCommands.h"
#include "common/MemorySettingsStore.h"
#include "library/NoteAlarms.h"
#include "support/AlarmFakes.h"
#include "support/ScopedTimeZone.h"
#include "support/TempDir.h"
#include "ui/dialogs/AlarmDialog.h"
#include "ui/dialogs/AlarmPopup.h"
#include "ui/dialogs/WhenShown.h"

namespace qp {
namespace {

using test::whenShown;

class QtAlarmUiTest : public testing::Test {
 protected:
  QtAlarmUiTest() {
    std::filesystem::create_directory(dir_.path() / "Personal");
    note_.path = dir_.file("Personal/memo.wav");
    note_.displayName = "memo";
    test::writeFileBytes(note_.path, std::vector<std::uint8_t>(64, 0));
  }

  test::ScopedTimeZone zone_{"UTC"};
  test::TempDir dir_;
  test::FakeClock clock_{1777897200};  // 2026-05-04 12:20 UTC
  MemorySettingsStore settings_;
  StringTable strings_{1033};
  test::FakeTimers timers_{clock_};
  test::FakeSounds sounds_{clock_};
  QtAlarmUi ui_{settings_, clock_};
  test::NoTrash trash_;
  AlarmScheduler scheduler_{dir_.path().string(),
                            {settings_, strings_, clock_, timers_, sounds_, ui_, trash_}};
  AlarmCommands commands_{settings_, strings_, clock_, ui_, scheduler_};
  NoteEntry note_;
};

TEST_F(QtAlarmUiTest, SetAlarmInTheDialogSavesTheAlarmAndArmsIt) {
  whenShown<AlarmDialog>([](AlarmDialog& dialog) {
    dialog.timeEdit()->setTime(QTime(15, 30, 0));
    dialog.accept();
  });
  EXPECT_EQ(commands_.editAlarm(note_), AlarmDialogResult::SetAlarm);
  ASSERT_TRUE(note_.alarm);
  EXPECT_EQ(note_.alarm->hour, 15);
  EXPECT_EQ(note_.alarm->minute, 30);
  EXPECT_TRUE(std::filesystem::exists(note_.alarmPath));
  EXPECT_EQ(AlarmTemplate::read(settings_)->hour, 15);
  EXPECT_EQ(scheduler_.armedCount(), 1);

  whenShown<AlarmDialog>([](AlarmDialog& dialog) { dialog.done(AlarmDialog::kDisableAlarmCode); });
  EXPECT_EQ(commands_.editAlarm(note_), AlarmDialogResult::DisableAlarm);
  EXPECT_FALSE(std::filesystem::exists(dir_.file("Personal/memo.alm")));
  EXPECT_EQ(scheduler_.armedCount(), 0);
}

TEST_F(QtAlarmUiTest, ARingingAlarmShowsThePopupAndSnoozeArmsItAgain) {
  AlarmRecord record = AlarmTemplate::forNewAlarm(settings_, clock_.now());
  record.hour = 12;
  record.minute = 21;
  record.showPopup = 1;
  record.replay = 0;
  record.playTone = 0;
  ASSERT_TRUE(NoteAlarms::save(note_, record, true, clock_.now()));
  scheduler_.rearm();
  ASSERT_EQ(scheduler_.armedCount(), 1);
  settings_.writeNumber("PlayAgain", 7);
  bool popupShown = false;
  whenShown<AlarmPopup>([&](AlarmPopup& popup) {
    popupShown = popup.lines() == QStringList{"memo"};
    popup.snoozeButton()->click();
  });
  timers_.advance(61 * 1000, scheduler_);
  EXPECT_TRUE(popupShown);
  EXPECT_EQ(sounds_.log, (std::vector<std::string>{"start memo.wav", "stop"}));
  EXPECT_EQ(scheduler_.armedCount(), 1);
  ASSERT_EQ(scheduler_.alarms().size(), 1U);
  NoteEntry reloaded = note_;
  ASSERT_TRUE(NoteAlarms::load(reloaded, clock_.now()));
  EXPECT_EQ(reloaded.alarm->state, AlarmState::Snoozed);
  EXPECT_EQ(reloaded.alarm->snoozeUntil, 1777897200 + 60 + 7 * 60);  // rang at 12:21
}

}  // namespace
}  // namespace qp
