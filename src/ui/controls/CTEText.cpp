#include "ui/controls/CTEText.h"

#include <QPainter>

namespace qp {

CTEText::CTEText(QWidget* parent) : QLabel(parent) {
  setAutoFillBackground(false);
  setTextFormat(Qt::PlainText);
}

void CTEText::setTextColour(const QColor& colour) {
  textColour_ = colour;
  update();
}

void CTEText::setBackgroundColour(const QColor& colour) {
  backgroundColour_ = colour;
  update();
}

void CTEText::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (backgroundColour_.isValid()) {
    painter.fillRect(rect(), backgroundColour_);
  }
  painter.setFont(font());
  painter.setPen(textColour_);
  painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextSingleLine, text());
}

}  // namespace qp
