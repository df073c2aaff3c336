#include "ui/controls/CTEVolumeKnob.h"

#include <QPainter>
#include <QSignalBlocker>

#include "devices/VolumeKnobLogic.h"

namespace qp {

CTEVolumeKnob::CTEVolumeKnob(VolumeKnobLogic& logic, QWidget* parent)
    : QDial(parent), logic_(logic) {
  setRange(0, logic_.positions() - 1);
  setSingleStep(1);
  setPageStep(1);
  setWrapping(false);
  setValue(logic_.position());
  connect(this, &QDial::valueChanged, this, &CTEVolumeKnob::turnTo);
}

void CTEVolumeKnob::setFrames(const QPixmap& strip) {
  frames_ = strip;
  update();
}

void CTEVolumeKnob::refresh() {
  const QSignalBlocker quiet(this);
  setValue(logic_.position());
  update();
}

void CTEVolumeKnob::turnTo(int position) {
  const int before = logic_.position();
  if (logic_.turnTo(position)) {
    emit turned(before, logic_.position());
  }
  update();
}

QRect CTEVolumeKnob::frameRect(int position) const {
  const QSize strip = frames_.deviceIndependentSize().toSize();
  const int frameWidth = strip.width() / std::max(1, logic_.positions());
  return {position * frameWidth, 0, frameWidth, strip.height()};
}

void CTEVolumeKnob::paintEvent(QPaintEvent* /*event*/) {
  if (frames_.isNull()) {
    return;
  }
  QPainter painter(this);
  const QRect frame = frameRect(logic_.position());
  const qreal ratio = frames_.devicePixelRatio();
  const QRectF source(frame.x() * ratio, frame.y() * ratio, frame.width() * ratio,
                      frame.height() * ratio);
  painter.drawPixmap(QRectF(QPointF(0, 0), frame.size()), frames_, source);
}

}  // namespace qp
