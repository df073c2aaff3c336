#pragma once

#include <QPixmap>
#include <QSlider>

namespace qp {

// A slider drawn from a skin: a track bitmap and a thumb (its focused picture while the
// slider has the focus). A press moves the thumb straight to the point and drags it while the
// button is held. Every change of position is reported once, as
// positionReported(position, cookie), whether it came from the mouse, the keyboard or the
// program.
class KnobSlider : public QSlider {
  Q_OBJECT

 public:
  explicit KnobSlider(QWidget* parent = nullptr);

  void setBitmaps(const QPixmap& track, const QPixmap& thumb, const QPixmap& thumbFocused);
  void setCookie(int cookie) { cookie_ = cookie; }
  // The thumb's rectangle at the current position.
  QRect thumbRect() const;
  // The position the thumb would take with its centre at point.
  int positionAt(QPoint point) const;

 signals:
  void positionReported(int position, int cookie);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void report(int position);
  QSize thumbSize() const;
  int travel() const;

  QPixmap track_;
  QPixmap thumb_;
  QPixmap thumbFocused_;
  int cookie_ = 0;
  int lastReported_ = -1;
};

}  // namespace qp
