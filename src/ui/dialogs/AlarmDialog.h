#pragma once

#include <QString>
#include <array>

#include "alarms/AlarmRecord.h"
#include "alarms/scheduling/AlarmUi.h"
#include "common/Clock.h"
#include "ui/dialogs/DialogBase.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimeEdit;

namespace qp {

// The "Alarm" dialog of one note: time, schedule (one time only on a date, weekly on chosen
// days, monthly on a day or an nth weekday of chosen months) and what happens when it fires
// (tone, popup message of at most 99 characters, replays). "Set Alarm" refuses an
// out-of-range number or an impossible schedule with its message and stays open; otherwise
// record() holds the alarm as shown. "Disable Alarm" closes with its own result.
class AlarmDialog : public DialogBase {
  Q_OBJECT

 public:
  static constexpr int kDisableAlarmCode = 2;  // the dialog's result after "Disable Alarm"

  // record: the alarm to show; clock: "now" for the past-time check (must outlive the dialog).
  AlarmDialog(QWidget* owner, const AlarmRecord& record, const Clock& clock);

  // Which button closed the dialog (Cancel until one did).
  AlarmDialogResult alarmResult() const;
  // The alarm after "Set Alarm" (the record shown before).
  const AlarmRecord& record() const { return record_; }

  void accept() override;

  // The controls, for the window's tests.
  QTimeEdit* timeEdit() const { return time_; }
  QDateEdit* dateEdit() const { return date_; }
  QRadioButton* scheduleButton(int schedule) const;
  QCheckBox* eraseAfterBox() const { return eraseAfter_; }
  QCheckBox* weekdayBox(int day) const { return weekdays_.at(static_cast<std::size_t>(day)); }
  QCheckBox* monthBox(int month) const { return months_.at(static_cast<std::size_t>(month)); }
  QRadioButton* dayOfMonthButton() const { return dayMode_; }
  QRadioButton* nthWeekdayButton() const { return nthMode_; }
  QSpinBox* daySpin() const { return day_; }
  QComboBox* ordinalBox() const { return ordinal_; }
  QComboBox* weekdayBox() const { return weekday_; }
  QCheckBox* toneBox() const { return tone_; }
  QCheckBox* popupBox() const { return popup_; }
  QLineEdit* messageEdit() const { return message_; }
  QCheckBox* replayBox() const { return replay_; }
  QSpinBox* replaySpin() const { return replayMinutes_; }

 private:
  QWidget* buildSchedule();
  QWidget* buildMonthly();
  QWidget* buildOptions();
  QWidget* buildButtons();
  void showRecord(const AlarmRecord& record);
  AlarmRecord fromControls() const;
  void updateEnabled();

  AlarmRecord record_;
  const Clock& clock_;
  QTimeEdit* time_ = nullptr;
  QButtonGroup* scheduleButtons_ = nullptr;
  std::array<QRadioButton*, 3> schedules_{};
  QDateEdit* date_ = nullptr;
  QCheckBox* eraseAfter_ = nullptr;
  std::array<QCheckBox*, 7> weekdays_{};
  std::array<QCheckBox*, 12> months_{};
  QButtonGroup* monthlyModes_ = nullptr;
  QRadioButton* dayMode_ = nullptr;
  QRadioButton* nthMode_ = nullptr;
  QSpinBox* day_ = nullptr;
  QLabel* dayOfMonthLabel_ = nullptr;
  QComboBox* ordinal_ = nullptr;
  QComboBox* weekday_ = nullptr;
  QLabel* nthOfMonthLabel_ = nullptr;
  QCheckBox* tone_ = nullptr;
  QCheckBox* popup_ = nullptr;
  QLabel* messageLabel_ = nullptr;
  QLineEdit* message_ = nullptr;
  QCheckBox* replay_ = nullptr;
  QSpinBox* replayMinutes_ = nullptr;
  QLabel* replaySuffix_ = nullptr;
};

}  // namespace qp
