#pragma once

#include <string>

namespace qp {

// The tray side of quick recording as the quick recorder sees it: the time popup, the mouse
// buttons, the tray icon and whether the main window is busy. showTime and buttonsHeld are
// called from the capture thread and must not block on the UI thread; the rest on the UI
// thread.
class QuickRecordWindow {
 public:
  virtual ~QuickRecordWindow() = default;

  // True while the main window is open and busy playing or recording (no quick recording then).
  virtual bool mainWindowBusy() { return false; }
  // Path for the new wave file in the default folder: notes directory, "/", the folder named
  // by "DefFolder", "/", a time-stamped name, ".wav". Never an existing file.
  virtual std::string newNotePath() = 0;

  // --- capture thread
  // The popup's text, "%s - %i:%02i" (folder, minutes, seconds).
  virtual void showTime(const std::string& /*text*/) {}
  // Whether the left or the right mouse button is still held.
  virtual bool buttonsHeld() { return true; }
  // Redraws the tray icon (it shows that a recording runs).
  virtual void refreshTrayIcon() {}

  // --- UI thread
  virtual void hidePopup() {}
  virtual void restoreTrayIcon() {}
};

}  // namespace qp
