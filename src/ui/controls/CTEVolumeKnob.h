#pragma once

#include <QDial>
#include <QPixmap>

namespace qp {

class VolumeKnobLogic;

// The volume knob drawn from the skin's strip of frames (one frame per position, side by
// side); the logic (owned elsewhere, outliving the widget) knows the lines and the position.
// Wheel and arrow keys turn it through the logic; turned(old, new) reports a move.
// refresh() follows a change the logic made itself (another program moved the volume).
class CTEVolumeKnob : public QDial {
  Q_OBJECT

 public:
  explicit CTEVolumeKnob(VolumeKnobLogic& logic, QWidget* parent = nullptr);

  void setFrames(const QPixmap& strip);
  void refresh();
  // The part of the strip shown for a position, in the strip's logical pixels.
  QRect frameRect(int position) const;

 signals:
  void turned(int oldPosition, int newPosition);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void turnTo(int position);

  VolumeKnobLogic& logic_;
  QPixmap frames_;
};

}  // namespace qp
