#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QPoint>

namespace qp {

// A button drawn from bitmaps: five faces (normal, focused, toggled, pressed, disabled), a
// glyph centred on the face, optional see-through faces by a sample colour, a focus rectangle,
// toggle modes, and press/release notifications for push-and-hold. It takes the size of its
// normal face. A disabled button without a disabled face draws nothing but keeps its place.
// Notifications (when a message number is set) are notify(message, wParam, lParam):
// left press (1, 0), left release (2, 0), right press (0, 1), right release (0, 2); the
// usual clicked() follows a left release inside the button.
class SkinButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class ToggleMode { None = 0, Toggle = 1, Inverse = 2 };
  enum class Face { None, Normal, Focused, Toggled, Pressed, Disabled };
  struct Faces {
    QPixmap normal;
    QPixmap focused;
    QPixmap toggled;
    QPixmap pressed;
    QPixmap disabled;
  };

  explicit SkinButton(QWidget* parent = nullptr);

  // sample: the transparent sample point of the faces (logical pixels); x = -1: opaque.
  void setFaces(const Faces& faces, QPoint sample = {-1, -1});
  void setGlyph(const QPixmap& glyph, QPoint sample = {-1, -1}, QPoint offset = {});
  void setToggleMode(ToggleMode mode);
  void setToggledOn(bool on);
  bool toggledOn() const { return toggledOn_; }
  void setFocusRectangle(bool on) { focusRectangle_ = on; }
  // 0: no notifications.
  void setNotification(int message) { message_ = message; }
  void setFocusOnHover(bool on) { focusOnHover_ = on; }
  // Mouse moves over the button are passed on to target in its own coordinates (null: none).
  void setMoveTarget(QWidget* target) { moveTarget_ = target; }

  // The face the button shows in its current state.
  Face currentFace() const;
  static Face chooseFace(bool enabled, bool hasDisabledFace, bool down, bool focused,
                         ToggleMode mode, bool toggledOn);

  QSize sizeHint() const override;

 signals:
  void notify(int message, int wParam, int lParam);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  const QPixmap& faceBitmap(Face face) const;
  void forwardMove(QMouseEvent* event);

  Faces faces_;
  QPixmap glyph_;
  QPoint glyphOffset_;
  ToggleMode toggleMode_ = ToggleMode::None;
  bool toggledOn_ = false;
  bool focusRectangle_ = false;
  bool focusOnHover_ = false;
  int message_ = 0;
  QWidget* moveTarget_ = nullptr;
};

}  // namespace qp
