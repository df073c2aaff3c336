#include "support/XSession.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "support/ProcessRunner.h"
#include "support/WaitUntil.h"

namespace qp::test {

bool XSession::available() {
  return haveProgram("Xvfb") && haveProgram("openbox") && haveProgram("xdotool") &&
         haveProgram("import") && haveProgram("xprop");
}

XSession::XSession() {
  if (!available()) {
    return;
  }
  // -displayfd: the server picks a free display and writes its number once it accepts clients.
  server_ = std::make_unique<BackgroundCommand>(
      "exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset");
  if (!waitUntil([&] { return server_->outputSoFar().find('\n') != std::string::npos; })) {
    return;
  }
  std::string number = server_->outputSoFar();
  number.erase(number.find('\n'));
  display_ = ":" + number;
  windowManager_ =
      std::make_unique<BackgroundCommand>("DISPLAY=" + display_ + " exec openbox --sm-disable");
  ready_ = waitUntil([&] {
    const ProcessResult check =
        runCommand("DISPLAY=" + display_ + " xprop -root _NET_SUPPORTING_WM_CHECK");
    return check.exitCode == 0 && check.out.find("window id") != std::string::npos;
  });
}

XSession::~XSession() {
  if (windowManager_) {
    windowManager_->stop(SIGTERM);
  }
  if (server_) {
    server_->stop(SIGTERM);
  }
}

std::string XSession::environment() const {
  return "DISPLAY=" + display_ + " QT_QPA_PLATFORM=xcb ";
}

std::string XSession::xdotool(const std::string& arguments) const {
  return runCommand("DISPLAY=" + display_ + " xdotool " + arguments).out;
}

std::vector<std::string> XSession::visibleWindows(const std::string& titlePattern) const {
  std::istringstream lines(xdotool("search --onlyvisible --name " + shellQuote(titlePattern)));
  std::vector<std::string> ids;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty()) {
      ids.push_back(line);
    }
  }
  return ids;
}

bool XSession::screenshot(const std::string& path, const std::string& windowId) const {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  return runCommand("DISPLAY=" + display_ + " import -window " + windowId + " " + shellQuote(path))
             .exitCode == 0;
}

XSession::Rect XSession::geometry(const std::string& windowId) const {
  std::istringstream lines(xdotool("getwindowgeometry --shell " + windowId));
  Rect rect;
  for (std::string line; std::getline(lines, line);) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
      continue;
    }
    const std::string key = line.substr(0, equals);
    const int value = std::atoi(line.c_str() + equals + 1);
    (key == "X"       ? rect.x
     : key == "Y"     ? rect.y
     : key == "WIDTH" ? rect.width
                      : rect.height) =
        key == "X" || key == "Y" || key == "WIDTH" || key == "HEIGHT" ? value : rect.height;
  }
  return rect;
}

double XSession::brightness(const std::string& png, const Rect& area) {
  const std::string crop = std::to_string(area.width) + "x" + std::to_string(area.height) + "+" +
                           std::to_string(area.x) + "+" + std::to_string(area.y);
  const ProcessResult r = runCommand("convert " + shellQuote(png) + " -crop " + crop +
                                     " -colorspace Gray -format '%[fx:mean]' info:");
  return r.exitCode == 0 && !r.out.empty() ? std::atof(r.out.c_str()) : -1.0;
}

std::string XSession::artefactsFolder() {
  const char* build = std::getenv("QP_BINARY_DIR");
  return std::string(build != nullptr ? build : ".") + "/tests/artefacts";
}

}  // namespace qp::test
