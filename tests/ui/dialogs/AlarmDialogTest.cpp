#include "ui/dialogs/AlarmDialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <functional>
#include <string>
#include <vector>

#include "alarms/AlarmDialogRules.h"
#include "alarms/LocalTime.h"
#include "common/StringIds.h"
#include "common/StringTable.h"
#include "support/FakeClock.h"
#include "support/ScopedTimeZone.h"
#include "support/UiTexts.h"
#include "ui/dialogs/MessageRecorder.h"

namespace qp {
namespace {

using test::uiText;

// Monday 2026-03-02 10:00:00 UTC (the zone of these tests).
constexpr std::int64_t kNow = 1772445600;

AlarmRecord oneTimeTomorrow() {
  AlarmRecord record;
  record.hour = 8;
  record.minute = 30;
  record.second = 15;
  record.playOnDate = static_cast<std::int32_t>(kNow + 86400);
  record.replayMinutes = 5;
  record.dayOfMonth = 12;
  record.weekdays = {0, 1, 0, 0, 1, 0, 0};
  record.months.fill(1);
  return record;
}

void typeInto(QSpinBox* spin, const QString& text) {
  auto* edit = spin->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  edit->setText(text);
}

class AlarmDialogTest : public testing::Test {
 protected:
  test::ScopedTimeZone utc_{"UTC"};
  test::FakeClock clock_{kNow};
  test::MessageRecorder messages_;
};

TEST_F(AlarmDialogTest, OpensOnTheRecordsFields) {
  AlarmRecord record = oneTimeTomorrow();
  record.schedule = AlarmRecord::kMonthly;
  record.monthlyMode = AlarmRecord::kNthWeekday;
  record.ordinal = 4;
  record.weekday = 5;
  record.months = {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  record.playTone = 1;
  record.showPopup = 1;
  record.replay = 1;
  record.setMessage("Call the dentist");
  AlarmDialog dialog(nullptr, record, clock_);
  EXPECT_EQ(dialog.timeEdit()->time(), QTime(8, 30, 15));
  EXPECT_EQ(dialog.dateEdit()->date(), QDate(2026, 3, 3));
  EXPECT_TRUE(dialog.scheduleButton(AlarmRecord::kMonthly)->isChecked());
  EXPECT_TRUE(dialog.nthWeekdayButton()->isChecked());
  EXPECT_EQ(dialog.ordinalBox()->currentText().toStdString(), uiText(StringId::kOrdinalLast));
  EXPECT_EQ(dialog.weekdayBox()->currentText().toStdString(), uiText(StringId::kFriday));
  EXPECT_TRUE(dialog.monthBox(2)->isChecked());
  EXPECT_FALSE(dialog.monthBox(3)->isChecked());
  EXPECT_TRUE(dialog.weekdayBox(1)->isChecked());
  EXPECT_EQ(dialog.daySpin()->value(), 12);
  EXPECT_EQ(dialog.replaySpin()->value(), 5);
  EXPECT_EQ(dialog.messageEdit()->text(), "Call the dentist");
  EXPECT_EQ(dialog.windowTitle().toStdString(), uiText(StringId::kAlarmTitle));
}

TEST_F(AlarmDialogTest, ControlsAreEnabledForTheChosenScheduleAndOptions) {
  AlarmDialog dialog(nullptr, oneTimeTomorrow(), clock_);
  struct Row {
    int schedule;
    bool byDay;
    bool popup;
    bool replay;
  };
  for (const Row& row : std::vector<Row>{{0, true, true, true},
                                         {1, true, false, true},
                                         {2, true, true, false},
                                         {2, false, true, true}}) {
    SCOPED_TRACE(row.schedule);
    dialog.scheduleButton(row.schedule)->setChecked(true);
    (row.byDay ? dialog.dayOfMonthButton() : dialog.nthWeekdayButton())->setChecked(true);
    dialog.popupBox()->setChecked(row.popup);
    dialog.replayBox()->setChecked(row.replay);
    EXPECT_EQ(dialog.dateEdit()->isEnabled(), row.schedule == 0);
    EXPECT_EQ(dialog.eraseAfterBox()->isEnabled(), row.schedule == 0);
    EXPECT_EQ(dialog.weekdayBox(3)->isEnabled(), row.schedule == 1);
    EXPECT_EQ(dialog.monthBox(7)->isEnabled(), row.schedule == 2);
    EXPECT_EQ(dialog.daySpin()->isEnabled(), row.schedule == 2 && row.byDay);
    EXPECT_EQ(dialog.ordinalBox()->isEnabled(), row.schedule == 2 && !row.byDay);
    EXPECT_EQ(dialog.weekdayBox()->isEnabled(), row.schedule == 2 && !row.byDay);
    EXPECT_EQ(dialog.messageEdit()->isEnabled(), row.popup);
    EXPECT_EQ(dialog.replayBox()->isEnabled(), row.popup);
    EXPECT_EQ(dialog.replaySpin()->isEnabled(), row.popup && row.replay);
  }
}

TEST_F(AlarmDialogTest, SetAlarmRefusesEachFaultWithItsMessageAndStaysOpen) {
  struct Row {
    const char* what;
    std::function<void(AlarmDialog&)> change;
    std::string message;
    DialogBase::Icon icon;
  };
  const auto range = [](long min, long max) {
    return *AlarmDialogRules::rangeMessage(0, min, max);
  };
  const std::vector<Row> rows{
      {"replay 0", [](AlarmDialog& d) { typeInto(d.replaySpin(), "0"); }, range(1, 60),
       DialogBase::Icon::Warning},
      {"replay empty", [](AlarmDialog& d) { typeInto(d.replaySpin(), ""); }, range(1, 60),
       DialogBase::Icon::Warning},
      {"day 0", [](AlarmDialog& d) { typeInto(d.daySpin(), "0"); }, range(1, 31),
       DialogBase::Icon::Warning},
      {"one minute ago",
       [](AlarmDialog& d) {
         d.dateEdit()->setDate(QDate(2026, 3, 2));
         d.timeEdit()->setTime(QTime(9, 59, 0));
       },
       uiText(StringId::kAlarmPassed), DialogBase::Icon::Error},
      {"no weekday",
       [](AlarmDialog& d) {
         d.scheduleButton(AlarmRecord::kWeekly)->setChecked(true);
         d.weekdayBox(1)->setChecked(false);
         d.weekdayBox(4)->setChecked(false);
       },
       uiText(StringId::kNoWeekdayChosen), DialogBase::Icon::Error},
      {"no month",
       [](AlarmDialog& d) {
         d.scheduleButton(AlarmRecord::kMonthly)->setChecked(true);
         for (int month = 0; month < 12; ++month) {
           d.monthBox(month)->setChecked(false);
         }
       },
       uiText(StringId::kNoMonthChosen), DialogBase::Icon::Error},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    messages_.messages.clear();
    AlarmDialog dialog(nullptr, oneTimeTomorrow(), clock_);
    row.change(dialog);
    dialog.accept();
    EXPECT_EQ(dialog.alarmResult(), AlarmDialogResult::Cancel);
    ASSERT_EQ(messages_.messages.size(), 1U);
    EXPECT_EQ(messages_.texts()[0], row.message);
    EXPECT_EQ(messages_.messages[0].icon, row.icon);
    EXPECT_EQ(messages_.messages[0].caption.toStdString(), uiText(StringId::kProductName));
  }
}

TEST_F(AlarmDialogTest, SetAlarmFillsTheRecordFromTheControls) {
  AlarmDialog dialog(nullptr, oneTimeTomorrow(), clock_);
  dialog.timeEdit()->setTime(QTime(10, 0, 0));
  dialog.dateEdit()->setDate(QDate(2026, 3, 2));  // today, at the very second of now
  dialog.eraseAfterBox()->setChecked(true);
  dialog.monthBox(0)->setChecked(false);
  dialog.nthWeekdayButton()->setChecked(true);
  dialog.ordinalBox()->setCurrentIndex(2);
  dialog.weekdayBox()->setCurrentIndex(3);
  dialog.toneBox()->setChecked(true);
  dialog.popupBox()->setChecked(true);
  dialog.replayBox()->setChecked(true);
  typeInto(dialog.replaySpin(), "60");
  dialog.messageEdit()->setText(QString(120, QChar('m')));
  dialog.accept();
  ASSERT_EQ(dialog.alarmResult(), AlarmDialogResult::SetAlarm);
  EXPECT_TRUE(messages_.messages.empty());
  const AlarmRecord& record = dialog.record();
  EXPECT_EQ(record.hour, 10);
  EXPECT_EQ(record.minute, 0);
  EXPECT_EQ(record.playOnDate, LocalTime::midnight(2026, 3, 2).value());
  EXPECT_EQ(record.schedule, AlarmRecord::kOneTime);
  EXPECT_EQ(record.eraseAfterPlaying, 1);
  EXPECT_EQ(record.months[0], 0);
  EXPECT_EQ(record.months[1], 1);
  EXPECT_EQ(record.monthlyMode, AlarmRecord::kNthWeekday);
  EXPECT_EQ(record.ordinal, 2);
  EXPECT_EQ(record.weekday, 3);
  EXPECT_EQ(record.weekdays, (std::array<std::int32_t, 7>{0, 1, 0, 0, 1, 0, 0}));
  EXPECT_EQ(record.playTone, 1);
  EXPECT_EQ(record.replay, 1);
  EXPECT_EQ(record.replayMinutes, 60);
  EXPECT_EQ(record.message, std::string(AlarmRecord::kMaxMessageLength, 'm'));
}

TEST_F(AlarmDialogTest, DisableAndCancelCloseWithTheirOwnResults) {
  AlarmDialog disable(nullptr, oneTimeTomorrow(), clock_);
  disable.done(AlarmDialog::kDisableAlarmCode);
  EXPECT_EQ(disable.alarmResult(), AlarmDialogResult::DisableAlarm);
  AlarmDialog cancel(nullptr, oneTimeTomorrow(), clock_);
  cancel.reject();
  EXPECT_EQ(cancel.alarmResult(), AlarmDialogResult::Cancel);
  EXPECT_EQ(cancel.record(), oneTimeTomorrow());
}

}  // namespace
}  // namespace qp
