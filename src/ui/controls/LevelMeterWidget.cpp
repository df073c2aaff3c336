#include "ui/controls/LevelMeterWidget.h"

#include <QPainter>

#include "devices/LevelMeterLogic.h"

namespace qp {

LevelMeterWidget::LevelMeterWidget(const LevelMeterLogic& logic, QWidget* parent)
    : QProgressBar(parent), logic_(logic) {
  setTextVisible(false);
  setRange(0, logic_.segments() > 1 ? logic_.segments() - 1 : 1);
  setValue(logic_.segment());
}

void LevelMeterWidget::setBitmaps(const QPixmap& off, const QPixmap& on) {
  off_ = off;
  on_ = on;
  update();
}

void LevelMeterWidget::refresh() {
  if (logic_.segment() != value()) {
    setValue(logic_.segment());
    update();
  }
}

QRect LevelMeterWidget::litRect(int segment) const {
  const int last = logic_.segments() - 1;
  if (last < 1 || segment <= 0) {
    return {};
  }
  if (vertical_) {
    const int lit = height() * segment / last;
    return {0, height() - lit, width(), lit};
  }
  return {0, 0, width() * segment / last, height()};
}

void LevelMeterWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, off_);
  const QRect lit = litRect(value());
  if (!lit.isEmpty()) {
    painter.setClipRect(lit);
    painter.drawPixmap(0, 0, on_);
  }
}

}  // namespace qp
