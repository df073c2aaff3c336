#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <array>

class QMenu;
class QSystemTrayIcon;

namespace qp::app {

// The program's icon in the notification area: its tip, its menu, and a blink while a quick
// recording runs (each blink() shows the other frame of the icon pair). There are two pairs,
// one drawn for light panels and one for dark panels; the pair is chosen by the brightness of
// the desktop's window colour. Clicks arrive as signals; desktops differ in what they report:
// the bare X11 tray reports presses of the left button (clicked), double-clicks and the menu
// button; a StatusNotifier host reports "activate" (clicked) and the secondary action
// (openRequested). UI thread only.
class TrayIcon final : public QObject {
  Q_OBJECT

 public:
  explicit TrayIcon(QObject* parent = nullptr);
  ~TrayIcon() override;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Whether the desktop has a notification area now.
  static bool available();
  // The longest tip the icon takes; longer texts are cut.
  static constexpr int kMaxTipLength = 127;

  void show();
  void hide();
  bool visible() const;
  void setMenu(QMenu* menu);
  void setTip(const QString& text);
  QString tip() const;

  void blink();
  void restore();
  // 0: the icon at rest; 1: the blink frame.
  int frame() const { return frame_; }
  // The pair in use: 0 for light panels, 1 for dark panels.
  int pair() const { return pair_; }

 signals:
  void clicked();
  void doubleClicked();
  void openRequested();

 private:
  void showFrame(int frame);

  QSystemTrayIcon* icon_ = nullptr;
  std::array<std::array<QIcon, 2>, 2> pairs_;
  int pair_ = 0;
  int frame_ = 0;
};

}  // namespace qp::app
