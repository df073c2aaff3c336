#pragma once

#include <QLabel>
#include <QTimer>

namespace qp {

// The main window's tooltip: a small window of text in the desktop's tooltip colours that
// shows after a delay (or at once), hides by itself after a while (0 ms: it stays), and shows
// nothing at all while tooltips are switched off. Timing runs on QTimer, so it follows the
// event loop. Both intervals are in milliseconds.
class SkinToolTip : public QLabel {
  Q_OBJECT

 public:
  static constexpr int kDefaultShowDelayMs = 500;
  static constexpr int kDefaultHideAfterMs = 5000;

  explicit SkinToolTip(QWidget* parent = nullptr);

  void setIntervals(int showDelayMs, int hideAfterMs);
  int showDelay() const { return showDelay_.interval(); }
  int hideAfter() const { return hideAfterMs_; }
  // Tooltips on or off; switching off hides a tooltip that is showing.
  void setActive(bool active);
  bool isActive() const { return active_; }

  // New text: stops both timers; with showNow the tip is sized to the text and shown at once.
  void setTipText(const QString& text, bool showNow = false);
  // Places the tip's top left at a point of the screen.
  void placeAt(QPoint globalPoint);
  void showAfterDelay();
  void showAtOnce();
  void hideTip();
  bool delayRunning() const { return showDelay_.isActive(); }

 private:
  void appear();

  QTimer showDelay_;
  QTimer hideTimer_;
  int hideAfterMs_ = kDefaultHideAfterMs;
  bool active_ = true;
};

}  // namespace qp
