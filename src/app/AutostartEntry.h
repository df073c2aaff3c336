#pragma once

#include <string>

#include "common/SettingsStore.h"

namespace qp::app {

// The entry that starts the program in the tray when the user logs on: the desktop file
// $XDG_CONFIG_HOME/autostart/quillophone.desktop (~/.config when XDG_CONFIG_HOME is unset)
// whose Exec line runs the program's full path with /tray.
//
// Switching it on writes OnTray = 1 and then the file: written when missing, rewritten when
// its contents differ, left alone when equal. Switching it off writes only OnTray = 0: the file
// stays, and the /tray start it makes ends at once. Failures to write are ignored.
struct AutostartEntry {
  enum class Outcome { Written, Rewritten, Kept, Failed };

  static std::string filePath();
  // The file's contents for the program at programPath.
  static std::string contents(const std::string& programPath);
  // programPath quoted for an Exec line: in double quotes, with '"', '`', '$' and '\' escaped.
  static std::string quotedForExec(const std::string& programPath);

  static Outcome switchOn(SettingsStore& settings, const std::string& programPath);
  static void switchOff(SettingsStore& settings) { settings.writeNumber("OnTray", 0); }
  // Deletes the file (uninstall); a missing file is fine.
  static void remove();
};

}  // namespace qp::app
