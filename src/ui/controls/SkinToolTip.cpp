#include "ui/controls/SkinToolTip.h"

#include <QToolTip>

namespace qp {

SkinToolTip::SkinToolTip(QWidget* parent)
    : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  setPalette(QToolTip::palette());
  setFont(QToolTip::font());
  setAutoFillBackground(true);
  setFrameShape(QFrame::Box);
  setMargin(2);
  setTextFormat(Qt::PlainText);
  showDelay_.setSingleShot(true);
  showDelay_.setInterval(kDefaultShowDelayMs);
  hideTimer_.setSingleShot(true);
  connect(&showDelay_, &QTimer::timeout, this, &SkinToolTip::appear);
  connect(&hideTimer_, &QTimer::timeout, this, &SkinToolTip::hideTip);
}

void SkinToolTip::setIntervals(int showDelayMs, int hideAfterMs) {
  showDelay_.setInterval(showDelayMs);
  hideAfterMs_ = hideAfterMs;
}

void SkinToolTip::setActive(bool active) {
  active_ = active;
  if (!active_) {
    hideTip();
  }
}

void SkinToolTip::setTipText(const QString& text, bool showNow) {
  showDelay_.stop();
  hideTimer_.stop();
  setText(text);
  setAccessibleName(text);
  if (showNow) {
    showAtOnce();
  } else if (isVisible()) {
    adjustSize();
  }
}

void SkinToolTip::placeAt(QPoint globalPoint) {
  move(globalPoint);
}

void SkinToolTip::showAfterDelay() {
  if (active_) {
    showDelay_.start();
  }
}

void SkinToolTip::showAtOnce() {
  showDelay_.stop();
  appear();
}

void SkinToolTip::appear() {
  if (!active_ || text().isEmpty()) {
    return;
  }
  adjustSize();
  show();
  if (hideAfterMs_ > 0) {
    hideTimer_.start(hideAfterMs_);
  }
}

void SkinToolTip::hideTip() {
  showDelay_.stop();
  hideTimer_.stop();
  hide();
}

}  // namespace qp
