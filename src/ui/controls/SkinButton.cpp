#include "ui/controls/SkinButton.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include "ui/skin/RegionFromBitmap.h"

namespace qp {
namespace {

constexpr qreal kDisabledGlyphOpacity = 0.35;

QPixmap transparentBy(const QPixmap& pixmap, QPoint sample) {
  if (pixmap.isNull() || sample.x() == -1) {
    return pixmap;
  }
  return RegionFromBitmap::withTransparentSample(pixmap, sample);
}

}  // namespace

SkinButton::SkinButton(QWidget* parent) : QAbstractButton(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void SkinButton::setFaces(const Faces& faces, QPoint sample) {
  faces_.normal = transparentBy(faces.normal, sample);
  faces_.focused = transparentBy(faces.focused, sample);
  faces_.toggled = transparentBy(faces.toggled, sample);
  faces_.pressed = transparentBy(faces.pressed, sample);
  faces_.disabled = transparentBy(faces.disabled, sample);
  if (!faces_.normal.isNull()) {
    resize(faces_.normal.deviceIndependentSize().toSize());
  }
  update();
}

void SkinButton::setGlyph(const QPixmap& glyph, QPoint sample, QPoint offset) {
  glyph_ = transparentBy(glyph, sample);
  glyphOffset_ = offset;
  update();
}

void SkinButton::setToggleMode(ToggleMode mode) {
  toggleMode_ = mode;
  update();
}

void SkinButton::setToggledOn(bool on) {
  toggledOn_ = on;
  update();
}

SkinButton::Face SkinButton::chooseFace(bool enabled, bool hasDisabledFace, bool down, bool focused,
                                        ToggleMode mode, bool toggledOn) {
  if (!enabled) {
    return hasDisabledFace ? Face::Disabled : Face::None;
  }
  if (down) {
    return Face::Pressed;
  }
  const bool toggledLook =
      (mode == ToggleMode::Toggle && toggledOn) || (mode == ToggleMode::Inverse && !toggledOn);
  if (focused) {
    return toggledLook ? Face::Pressed : Face::Focused;
  }
  return toggledLook ? Face::Toggled : Face::Normal;
}

SkinButton::Face SkinButton::currentFace() const {
  return chooseFace(isEnabled(), !faces_.disabled.isNull(), isDown(), hasFocus(), toggleMode_,
                    toggledOn_);
}

const QPixmap& SkinButton::faceBitmap(Face face) const {
  switch (face) {
    case Face::Focused:
      return faces_.focused.isNull() ? faces_.normal : faces_.focused;
    case Face::Toggled:
      return faces_.toggled.isNull() ? faces_.normal : faces_.toggled;
    case Face::Pressed:
      return faces_.pressed.isNull() ? faces_.normal : faces_.pressed;
    case Face::Disabled:
      return faces_.disabled;
    case Face::Normal:
    case Face::None:
      break;
  }
  return faces_.normal;
}

QSize SkinButton::sizeHint() const {
  return faces_.normal.isNull() ? QSize(16, 16) : faces_.normal.deviceIndependentSize().toSize();
}

void SkinButton::paintEvent(QPaintEvent* /*event*/) {
  const Face face = currentFace();
  if (face == Face::None) {
    return;
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, faceBitmap(face));
  if (!glyph_.isNull()) {
    const QSize glyphSize = glyph_.deviceIndependentSize().toSize();
    QPoint at((width() - glyphSize.width()) / 2, (height() - glyphSize.height()) / 2);
    at += glyphOffset_;
    if (face == Face::Pressed && isDown()) {
      at += QPoint(1, 1);
    }
    // A disabled button's glyph is faded, so that it reads as unavailable on any face.
    painter.setOpacity(face == Face::Disabled ? kDisabledGlyphOpacity : 1.0);
    painter.drawPixmap(at, glyph_);
    painter.setOpacity(1.0);
  }
  if (focusRectangle_ && hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

void SkinButton::mousePressEvent(QMouseEvent* event) {
  if (message_ != 0 && event->button() == Qt::LeftButton) {
    emit notify(message_, 1, 0);
  } else if (message_ != 0 && event->button() == Qt::RightButton) {
    emit notify(message_, 0, 1);
  }
  QAbstractButton::mousePressEvent(event);
}

void SkinButton::mouseReleaseEvent(QMouseEvent* event) {
  if (message_ != 0 && event->button() == Qt::LeftButton) {
    emit notify(message_, 2, 0);
  } else if (message_ != 0 && event->button() == Qt::RightButton) {
    emit notify(message_, 0, 2);
  }
  QAbstractButton::mouseReleaseEvent(event);
}

void SkinButton::mouseMoveEvent(QMouseEvent* event) {
  if (focusOnHover_ && !hasFocus() && isEnabled()) {
    setFocus(Qt::MouseFocusReason);
  }
  forwardMove(event);
  QAbstractButton::mouseMoveEvent(event);
}

void SkinButton::forwardMove(QMouseEvent* event) {
  if (moveTarget_ == nullptr) {
    return;
  }
  const QPointF local = moveTarget_->mapFromGlobal(event->globalPosition());
  QMouseEvent moved(QEvent::MouseMove, local, event->globalPosition(), event->button(),
                    event->buttons(), event->modifiers());
  QCoreApplication::sendEvent(moveTarget_, &moved);
}

}  // namespace qp
