#include "ui/controls/KnobSlider.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace qp {

KnobSlider::KnobSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QSlider::valueChanged, this, &KnobSlider::report);
}

void KnobSlider::setBitmaps(const QPixmap& track, const QPixmap& thumb,
                            const QPixmap& thumbFocused) {
  track_ = track;
  thumb_ = thumb;
  thumbFocused_ = thumbFocused.isNull() ? thumb : thumbFocused;
  update();
}

void KnobSlider::report(int position) {
  if (position != lastReported_) {
    lastReported_ = position;
    emit positionReported(position, cookie_);
  }
}

QSize KnobSlider::thumbSize() const {
  if (thumb_.isNull()) {
    return orientation() == Qt::Horizontal ? QSize(8, height()) : QSize(width(), 8);
  }
  return thumb_.deviceIndependentSize().toSize();
}

int KnobSlider::travel() const {
  const QSize thumb = thumbSize();
  return std::max(
      0, orientation() == Qt::Horizontal ? width() - thumb.width() : height() - thumb.height());
}

QRect KnobSlider::thumbRect() const {
  const int span = maximum() - minimum();
  const int offset = span > 0 ? travel() * (value() - minimum()) / span : 0;
  const QSize thumb = thumbSize();
  if (orientation() == Qt::Horizontal) {
    return {QPoint(offset, (height() - thumb.height()) / 2), thumb};
  }
  // Vertical: the maximum is at the top.
  return {QPoint((width() - thumb.width()) / 2, travel() - offset), thumb};
}

int KnobSlider::positionAt(QPoint point) const {
  const QSize thumb = thumbSize();
  const int along = orientation() == Qt::Horizontal ? point.x() - thumb.width() / 2
                                                    : travel() - (point.y() - thumb.height() / 2);
  if (travel() == 0) {
    return minimum();
  }
  const int clamped = std::clamp(along, 0, travel());
  const int span = maximum() - minimum();
  return minimum() + (clamped * span + travel() / 2) / travel();
}

void KnobSlider::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (!track_.isNull()) {
    const QSize size = track_.deviceIndependentSize().toSize();
    painter.drawPixmap((width() - size.width()) / 2, (height() - size.height()) / 2, track_);
  }
  const QRect thumb = thumbRect();
  const QPixmap& face = hasFocus() ? thumbFocused_ : thumb_;
  if (face.isNull()) {
    painter.fillRect(thumb, palette().color(QPalette::Button));
  } else {
    painter.drawPixmap(thumb.topLeft(), face);
  }
}

void KnobSlider::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  setFocus(Qt::MouseFocusReason);
  setSliderDown(true);
  setValue(positionAt(event->position().toPoint()));
  event->accept();
}

void KnobSlider::mouseMoveEvent(QMouseEvent* event) {
  if (isSliderDown()) {
    setValue(positionAt(event->position().toPoint()));
  }
  event->accept();
}

void KnobSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    setSliderDown(false);
  }
  event->accept();
}

}  // namespace qp
