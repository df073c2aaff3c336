#include "app/AutostartEntry.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace qp::app {
namespace fs = std::filesystem;
namespace {

std::string configHome() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
    return xdg;
  }
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : ".") + "/.config";
}

std::string readWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

std::string AutostartEntry::filePath() {
  return configHome() + "/autostart/quillophone.desktop";
}

std::string AutostartEntry::quotedForExec(const std::string& programPath) {
  std::string quoted = "\"";
  for (char c : programPath) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') {
      quoted += '\\';
    }
    quoted += c;
  }
  return quoted + "\"";
}

std::string AutostartEntry::contents(const std::string& programPath) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Quillophone\n"
         "Comment=Voice notes, waiting in the notification area\n"
         "Exec=" +
         quotedForExec(programPath) +
         " /tray\n"
         "Icon=quillophone\n"
         "Terminal=false\n"
         "X-GNOME-Autostart-enabled=true\n";
}

AutostartEntry::Outcome AutostartEntry::switchOn(SettingsStore& settings,
                                                 const std::string& programPath) {
  settings.writeNumber("OnTray", 1);
  const std::string path = filePath();
  const std::string wanted = contents(programPath);
  std::error_code ec;
  const bool existed = fs::exists(path, ec);
  if (existed && readWhole(path) == wanted) {
    return Outcome::Kept;
  }
  fs::create_directories(fs::path(path).parent_path(), ec);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << wanted;
  out.close();
  if (!out) {
    return Outcome::Failed;
  }
  return existed ? Outcome::Rewritten : Outcome::Written;
}

void AutostartEntry::remove() {
  std::error_code ec;
  fs::remove(filePath(), ec);
}

}  // namespace qp::app
