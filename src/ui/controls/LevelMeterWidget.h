#pragma once

#include <QPixmap>
#include <QProgressBar>

namespace qp {

class LevelMeterLogic;

// Draws a level meter from two skin bitmaps: the meter unlit, and over it the lit picture up
// to the segment the logic holds (segment 0: nothing lit; the last segment: all of it). The
// logic is owned elsewhere and outlives the widget; call refresh() when it reports a change.
class LevelMeterWidget : public QProgressBar {
  Q_OBJECT

 public:
  explicit LevelMeterWidget(const LevelMeterLogic& logic, QWidget* parent = nullptr);

  void setBitmaps(const QPixmap& off, const QPixmap& on);
  void setVertical(bool vertical) { vertical_ = vertical; }
  // Takes the logic's segment and repaints when it changed.
  void refresh();
  // The part of the widget drawn lit for a segment (logical pixels).
  QRect litRect(int segment) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const LevelMeterLogic& logic_;
  QPixmap off_;
  QPixmap on_;
  bool vertical_ = false;
};

}  // namespace qp
