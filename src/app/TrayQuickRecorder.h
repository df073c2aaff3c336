#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "audio/recording/QuickRecordWindow.h"
#include "audio/recording/QuickRecorder.h"
#include "audio/recording/RecorderServices.h"

namespace qp::app {

class TrayIcon;

// Quick recording from the tray icon into the current folder. The notification areas of this
// desktop report clicks, not the button being held, so a click starts a quick recording and
// the next click stops it (the capture thread sees the button "held" in between). While it
// runs the icon blinks and its tip shows "folder - m:ss"; afterwards both are restored. The
// capture thread's calls reach the icon as queued calls on the UI thread.
class TrayQuickRecorder final : public QObject, public QuickRecordWindow {
  Q_OBJECT

 public:
  // services must outlive the object; icon may be null (no notification area) and must
  // otherwise outlive it too. notesDirectory: where DefFolder's folder lies.
  TrayQuickRecorder(const RecorderServices& services, std::string notesDirectory, TrayIcon* icon,
                    RecorderOptions options = {}, QObject* parent = nullptr);
  ~TrayQuickRecorder() override;
  TrayQuickRecorder(const TrayQuickRecorder&) = delete;
  TrayQuickRecorder& operator=(const TrayQuickRecorder&) = delete;

  // A click: starts a quick recording, or stops the one that runs. True when one runs after it.
  bool click();
  // Stops a running quick recording (waits at most 3 s for its thread).
  void stop();
  bool recording() const { return recorder_.recording(); }
  const std::string& lastNotePath() const { return recorder_.lastNotePath(); }
  // The tip the icon shows at rest.
  void setRestingTip(const QString& tip) { restingTip_ = tip; }
  void setBusyCheck(std::function<bool()> busy) { busy_ = std::move(busy); }

  // QuickRecordWindow
  bool mainWindowBusy() override { return busy_ && busy_(); }
  std::string newNotePath() override;
  void showTime(const std::string& text) override;
  bool buttonsHeld() override { return held_.load(); }
  void refreshTrayIcon() override;
  void hidePopup() override;
  void restoreTrayIcon() override;

 signals:
  // The time text while recording (also when there is no icon to show it).
  void timeShown(const QString& text);
  // A quick recording ended; path is the filed note, or empty when none was kept.
  void finished(const QString& path);
  // From the capture thread, delivered queued on the UI thread.
  void timeArrived(const QString& text);
  void blinkRequested();

 private:
  void showTimeNow(const QString& text);
  void blinkNow();

  SettingsStore& settings_;
  std::string notesDirectory_;
  TrayIcon* icon_;
  QString restingTip_;
  std::function<bool()> busy_;
  std::atomic<bool> held_{false};
  QuickRecorder recorder_;
};

}  // namespace qp::app
