#pragma once

#include <QColor>
#include <QLabel>

namespace qp {

// A skinned text: its text colour, a background colour or none (then the parent's picture
// shows through), its font and alignment. Screen readers see it as static text.
class CTEText : public QLabel {
  Q_OBJECT

 public:
  explicit CTEText(QWidget* parent = nullptr);

  void setTextColour(const QColor& colour);
  // An invalid colour: transparent.
  void setBackgroundColour(const QColor& colour);
  QColor textColour() const { return textColour_; }
  QColor backgroundColour() const { return backgroundColour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor textColour_{Qt::white};
  QColor backgroundColour_;
};

}  // namespace qp
