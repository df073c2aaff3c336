#include "ui/dialogs/AlarmDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "alarms/AlarmDialogRules.h"
#include "alarms/LocalTime.h"
#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp {
namespace {

// The number typed into a spin box, in range or not (an empty edit reads as 0).
std::int32_t typedNumber(const QSpinBox* spin) {
  bool ok = false;
  const int value = spin->cleanText().trimmed().toInt(&ok);
  return ok ? value : 0;
}

QLabel* labelFor(QWidget* buddy, int id, QWidget* parent) {
  auto* label = new QLabel(DialogBase::text(id), parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

AlarmDialog::AlarmDialog(QWidget* owner, const AlarmRecord& record, const Clock& clock)
    : DialogBase(owner), record_(record), clock_(clock) {
  setWindowTitle(text(StringId::kAlarmTitle));
  time_ = new QTimeEdit(this);
  time_->setDisplayFormat("HH:mm:ss");
  auto* timeRow = new QHBoxLayout;
  timeRow->addWidget(labelFor(time_, StringId::kAlarmTimeLabel, this));
  timeRow->addWidget(time_);
  timeRow->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(timeRow);
  layout->addWidget(buildSchedule());
  layout->addWidget(buildOptions());
  layout->addWidget(buildButtons());
  showRecord(record_);
  time_->setFocus();
}

QWidget* AlarmDialog::buildSchedule() {
  auto* group = new QGroupBox(text(StringId::kScheduleGroup), this);
  auto* grid = new QGridLayout(group);
  scheduleButtons_ = new QButtonGroup(group);
  const std::array<int, 3> labels{StringId::kOneTimeOnly, StringId::kWeekly, StringId::kMonthly};
  for (std::size_t i = 0; i < schedules_.size(); ++i) {
    schedules_.at(i) = new QRadioButton(text(labels.at(i)), group);
    scheduleButtons_->addButton(schedules_.at(i), static_cast<int>(i));
    grid->addWidget(schedules_.at(i), static_cast<int>(i) * 2, 0, 1, 8);
    connect(schedules_.at(i), &QRadioButton::toggled, this, [this] { updateEnabled(); });
  }
  date_ = new QDateEdit(group);
  date_->setCalendarPopup(true);
  eraseAfter_ = new QCheckBox(text(StringId::kEraseAfterPlaying), group);
  auto* oneTime = new QHBoxLayout;
  oneTime->addWidget(labelFor(date_, StringId::kPlayOnLabel, group));
  oneTime->addWidget(date_);
  oneTime->addWidget(eraseAfter_);
  oneTime->addStretch(1);
  grid->addLayout(oneTime, 1, 1, 1, 7);
  for (std::size_t day = 0; day < weekdays_.size(); ++day) {
    weekdays_.at(day) = new QCheckBox(text(StringId::kSunShort + static_cast<int>(day)), group);
    grid->addWidget(weekdays_.at(day), 3, 1 + static_cast<int>(day));
  }
  grid->addWidget(buildMonthly(), 5, 1, 1, 7);
  return group;
}

QWidget* AlarmDialog::buildMonthly() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  dayMode_ = new QRadioButton(text(StringId::kDayOfMonthRadio), box);
  nthMode_ = new QRadioButton(text(StringId::kNthWeekdayRadio), box);
  monthlyModes_ = new QButtonGroup(box);
  monthlyModes_->addButton(dayMode_, AlarmRecord::kDayOfMonth);
  monthlyModes_->addButton(nthMode_, AlarmRecord::kNthWeekday);
  day_ = new QSpinBox(box);
  day_->setRange(AlarmDialogRules::kMinDay, AlarmDialogRules::kMaxDay);
  dayOfMonthLabel_ = new QLabel(text(StringId::kOfTheMonth), box);
  ordinal_ = new QComboBox(box);
  for (int id = StringId::kOrdinalFirst; id <= StringId::kOrdinalLast; ++id) {
    ordinal_->addItem(text(id));
  }
  weekday_ = new QComboBox(box);
  for (int id = StringId::kSunday; id <= StringId::kSaturday; ++id) {
    weekday_->addItem(text(id));
  }
  nthOfMonthLabel_ = new QLabel(text(StringId::kOfTheMonth), box);
  auto* dayRow = new QHBoxLayout;
  for (QWidget* widget : std::initializer_list<QWidget*>{dayMode_, day_, dayOfMonthLabel_}) {
    dayRow->addWidget(widget);
  }
  dayRow->addStretch(1);
  auto* nthRow = new QHBoxLayout;
  for (QWidget* widget :
       std::initializer_list<QWidget*>{nthMode_, ordinal_, weekday_, nthOfMonthLabel_}) {
    nthRow->addWidget(widget);
  }
  nthRow->addStretch(1);
  grid->addLayout(dayRow, 0, 0, 1, 6);
  grid->addLayout(nthRow, 1, 0, 1, 6);
  for (std::size_t month = 0; month < months_.size(); ++month) {
    months_.at(month) = new QCheckBox(text(StringId::kJanShort + static_cast<int>(month)), box);
    grid->addWidget(months_.at(month), 2 + static_cast<int>(month) / 6,
                    static_cast<int>(month) % 6);
  }
  connect(dayMode_, &QRadioButton::toggled, this, [this] { updateEnabled(); });
  return box;
}

QWidget* AlarmDialog::buildOptions() {
  auto* group = new QGroupBox(text(StringId::kAlarmOptionsGroup), this);
  tone_ = new QCheckBox(text(StringId::kPlayToneBeforeNote), group);
  popup_ = new QCheckBox(text(StringId::kDisplayPopup), group);
  message_ = new QLineEdit(group);
  message_->setMaxLength(static_cast<int>(AlarmRecord::kMaxMessageLength));
  messageLabel_ = labelFor(message_, StringId::kPopupMessageLabel, group);
  replay_ = new QCheckBox(text(StringId::kReplayEvery), group);
  replayMinutes_ = new QSpinBox(group);
  replayMinutes_->setRange(AlarmDialogRules::kMinReplayMinutes,
                           AlarmDialogRules::kMaxReplayMinutes);
  replaySuffix_ = new QLabel(text(StringId::kReplayMinutesSuffix), group);
  auto* messageRow = new QHBoxLayout;
  messageRow->addWidget(messageLabel_);
  messageRow->addWidget(message_, 1);
  auto* replayRow = new QHBoxLayout;
  replayRow->addWidget(replay_);
  replayRow->addWidget(replayMinutes_);
  replayRow->addWidget(replaySuffix_);
  replayRow->addStretch(1);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(tone_);
  layout->addWidget(popup_);
  layout->addLayout(messageRow);
  layout->addLayout(replayRow);
  connect(popup_, &QCheckBox::toggled, this, [this] { updateEnabled(); });
  connect(replay_, &QCheckBox::toggled, this, [this] { updateEnabled(); });
  message_->setMinimumWidth(message_->fontMetrics().averageCharWidth() * 40);
  return group;
}

QWidget* AlarmDialog::buildButtons() {
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* set = buttons->addButton(text(StringId::kSetAlarm), QDialogButtonBox::AcceptRole);
  QPushButton* disable =
      buttons->addButton(text(StringId::kDisableAlarm), QDialogButtonBox::DestructiveRole);
  buttons->addButton(text(StringId::kCancelButton), QDialogButtonBox::RejectRole);
  set->setDefault(true);
  disable->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &AlarmDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(disable, &QPushButton::clicked, this, [this] { done(kDisableAlarmCode); });
  return buttons;
}

QRadioButton* AlarmDialog::scheduleButton(int schedule) const {
  return schedules_.at(static_cast<std::size_t>(schedule));
}

AlarmDialogResult AlarmDialog::alarmResult() const {
  if (result() == QDialog::Accepted) {
    return AlarmDialogResult::SetAlarm;
  }
  return result() == kDisableAlarmCode ? AlarmDialogResult::DisableAlarm
                                       : AlarmDialogResult::Cancel;
}

void AlarmDialog::showRecord(const AlarmRecord& record) {
  time_->setTime(QTime(record.hour, record.minute, record.second));
  const LocalDateTime playOn = LocalTime::fromTime(record.playOnDate);
  date_->setDate(QDate(playOn.year, playOn.month, playOn.day));
  const auto schedule = static_cast<std::size_t>(record.schedule >= AlarmRecord::kOneTime &&
                                                         record.schedule <= AlarmRecord::kMonthly
                                                     ? record.schedule
                                                     : AlarmRecord::kOneTime);
  schedules_.at(schedule)->setChecked(true);
  eraseAfter_->setChecked(record.eraseAfterPlaying != 0);
  for (std::size_t day = 0; day < weekdays_.size(); ++day) {
    weekdays_.at(day)->setChecked(record.weekdays.at(day) != 0);
  }
  for (std::size_t month = 0; month < months_.size(); ++month) {
    months_.at(month)->setChecked(record.months.at(month) != 0);
  }
  (record.monthlyMode == AlarmRecord::kNthWeekday ? nthMode_ : dayMode_)->setChecked(true);
  day_->setValue(record.dayOfMonth);
  ordinal_->setCurrentIndex(record.ordinal);
  weekday_->setCurrentIndex(record.weekday);
  tone_->setChecked(record.playTone != 0);
  popup_->setChecked(record.showPopup != 0);
  message_->setText(QString::fromStdString(record.message));
  replay_->setChecked(record.replay != 0);
  replayMinutes_->setValue(record.replayMinutes);
  updateEnabled();
}

AlarmRecord AlarmDialog::fromControls() const {
  AlarmRecord record = record_;
  const QTime time = time_->time();
  record.hour = time.hour();
  record.minute = time.minute();
  record.second = time.second();
  const QDate date = date_->date();
  record.playOnDate = static_cast<std::int32_t>(
      LocalTime::midnight(date.year(), date.month(), date.day()).value_or(0));
  for (std::size_t i = 0; i < schedules_.size(); ++i) {
    if (schedules_.at(i)->isChecked()) {
      record.schedule = static_cast<std::int32_t>(i);
    }
  }
  record.eraseAfterPlaying = eraseAfter_->isChecked() ? 1 : 0;
  for (std::size_t day = 0; day < weekdays_.size(); ++day) {
    record.weekdays.at(day) = weekdays_.at(day)->isChecked() ? 1 : 0;
  }
  for (std::size_t month = 0; month < months_.size(); ++month) {
    record.months.at(month) = months_.at(month)->isChecked() ? 1 : 0;
  }
  record.monthlyMode = nthMode_->isChecked() ? AlarmRecord::kNthWeekday : AlarmRecord::kDayOfMonth;
  record.dayOfMonth = typedNumber(day_);
  record.ordinal = ordinal_->currentIndex();
  record.weekday = weekday_->currentIndex();
  record.playTone = tone_->isChecked() ? 1 : 0;
  record.showPopup = popup_->isChecked() ? 1 : 0;
  record.replay = replay_->isChecked() ? 1 : 0;
  record.replayMinutes = typedNumber(replayMinutes_);
  record.setMessage(message_->text().toStdString());
  return record;
}

void AlarmDialog::updateEnabled() {
  const bool oneTime = schedules_.at(AlarmRecord::kOneTime)->isChecked();
  const bool monthly = schedules_.at(AlarmRecord::kMonthly)->isChecked();
  date_->setEnabled(oneTime);
  eraseAfter_->setEnabled(oneTime);
  for (QCheckBox* day : weekdays_) {
    day->setEnabled(schedules_.at(AlarmRecord::kWeekly)->isChecked());
  }
  for (QCheckBox* month : months_) {
    month->setEnabled(monthly);
  }
  dayMode_->setEnabled(monthly);
  nthMode_->setEnabled(monthly);
  const bool byDay = monthly && dayMode_->isChecked();
  const bool byWeekday = monthly && nthMode_->isChecked();
  day_->setEnabled(byDay);
  dayOfMonthLabel_->setEnabled(byDay);
  ordinal_->setEnabled(byWeekday);
  weekday_->setEnabled(byWeekday);
  nthOfMonthLabel_->setEnabled(byWeekday);
  const bool popup = popup_->isChecked();
  messageLabel_->setEnabled(popup);
  message_->setEnabled(popup);
  replay_->setEnabled(popup);
  replaySuffix_->setEnabled(popup);
  replayMinutes_->setEnabled(popup && replay_->isChecked());
}

void AlarmDialog::accept() {
  const AlarmRecord record = fromControls();
  if (const auto refusal = AlarmDialogRules::check(record, clock_.now(), StringTable::active())) {
    // The schedule's refusals carry the error icon; the range messages are plain warnings.
    const bool inRange =
        !AlarmDialogRules::rangeMessage(record.replayMinutes, AlarmDialogRules::kMinReplayMinutes,
                                        AlarmDialogRules::kMaxReplayMinutes) &&
        !AlarmDialogRules::rangeMessage(record.dayOfMonth, AlarmDialogRules::kMinDay,
                                        AlarmDialogRules::kMaxDay);
    message(this, QString::fromStdString(*refusal), inRange ? Icon::Error : Icon::Warning);
    return;
  }
  record_ = record;
  DialogBase::accept();
}

}  // namespace qp
