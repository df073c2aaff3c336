#pragma once

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QTime>
#include <QWidget>

#include "alarms/scheduling/AlarmUi.h"
#include "common/Clock.h"
#include "common/SettingsStore.h"
#include "library/NoteEntry.h"

class QLineEdit;
class QPushButton;
class QTimer;

namespace qp {

// The popup of a ringing alarm: a small shaped window above all others with a ticking clock,
// a flashing highlight, the alarm's message (or the note's name) in up to three lines, "Close",
// and "Snooze" with the minutes to snooze ("PlayAgain", default 10, stored on either button).
// It opens where the user last left a lone popup ("AlarmPos"), each further popup cascaded from
// there, always inside a screen's work area. It is shown without taking the keyboard focus from
// another program; a press anywhere on it drags it.
class AlarmPopup : public QWidget {
  Q_OBJECT

 public:
  // The title by which open popups find each other.
  static constexpr const char* kWindowTitle = "TEAlarmPopup";
  static constexpr int kDefaultSnoozeMinutes = 10;

  // settings and clock must outlive the popup.
  AlarmPopup(const NoteEntry& note, SettingsStore& settings, const Clock& clock);
  ~AlarmPopup() override;

  // Shows the popup and returns when it was closed; events (and other alarms) go on meanwhile.
  AlarmPopupResult exec();
  // Shows the popup without waiting; finished() tells when it has closed.
  void open();
  bool isFinished() const { return finished_; }
  AlarmPopupResult result() const { return result_; }

  // Popups of this title now on screen.
  static int openPopups();

  int popupIndex() const { return popupIndex_; }
  QRect placedRect() const { return placed_; }
  const QStringList& lines() const { return lines_; }
  bool flashPhase() const { return flashPhase_; }
  QTime clockTime() const { return clockTime_; }
  QPushButton* closeButton() const { return close_; }
  QPushButton* snoozeButton() const { return snooze_; }
  QLineEdit* minutesEdit() const { return minutes_; }

 signals:
  void finished();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void placeOnScreen();
  void tick();
  void finish(bool snooze);
  void paintClock(QPainter& painter) const;

  SettingsStore& settings_;
  const Clock& clock_;
  QString text_;
  QImage background_;
  QImage flash_;
  QStringList lines_;
  QTime clockTime_;
  QRect placed_;
  int popupIndex_ = 0;
  bool flashPhase_ = false;
  bool finished_ = false;
  QPoint dragOffset_;
  AlarmPopupResult result_;
  QPushButton* close_ = nullptr;
  QPushButton* snooze_ = nullptr;
  QLineEdit* minutes_ = nullptr;
  QTimer* clockTimer_ = nullptr;
  QTimer* flashTimer_ = nullptr;
};

}  // namespace qp
