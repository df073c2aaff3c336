#pragma once

#include <memory>
#include <string>
#include <vector>

#include "support/BackgroundCommand.h"

namespace qp::test {

// A display of the test's own for window tests: Xvfb on a free display number (1024x768,
// 24-bit) with the openbox window manager, so that focus, raising and iconifying behave as on
// a desktop. Both end with the object. Needs Xvfb, openbox, xdotool and ImageMagick's import;
// available() says whether they are installed.
class XSession {
 public:
  XSession();
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  static bool available();
  // True once the server and the window manager run.
  bool ready() const { return ready_; }
  // ":N"
  const std::string& display() const { return display_; }
  // "DISPLAY=:N QT_QPA_PLATFORM=xcb ", for the front of a command line.
  std::string environment() const;

  // Ids of the mapped (not iconified) windows whose title matches the regular expression.
  std::vector<std::string> visibleWindows(const std::string& titlePattern) const;
  // Runs xdotool with the arguments on this display; its standard output.
  std::string xdotool(const std::string& arguments) const;
  // The window's client area on the screen: x, y, width, height (zeros when unknown).
  struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
  };
  Rect geometry(const std::string& windowId) const;
  // Saves the whole screen (or one window) as a PNG file, folders made as needed; false on
  // failure.
  bool screenshot(const std::string& path, const std::string& windowId = "root") const;

  // The mean brightness (0 black to 1 white) of a rectangle of a PNG file; -1 on failure.
  static double brightness(const std::string& png, const Rect& area);

  // The folder where window tests keep their screenshots: <build>/tests/artefacts.
  static std::string artefactsFolder();

 private:
  std::unique_ptr<BackgroundCommand> server_;
  std::unique_ptr<BackgroundCommand> windowManager_;
  std::string display_;
  bool ready_ = false;
};

}  // namespace qp::test
