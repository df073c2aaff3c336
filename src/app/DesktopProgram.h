#pragma once

#include <optional>
#include <string>

#include "app/CommandLine.h"
#include "common/SettingsStore.h"
#include "common/StringTable.h"

namespace qp::app {

// The start-up of the desktop program after the QApplication exists and the interface
// language is chosen, in this order: the settings, FilePath, the command line's early end
// (/tray while OnTray is 0), the notes directory, the running instance (/kill, /uninstall, or
// a hand-over to it), and then the program itself until it exits.
struct DesktopProgram {
  // Returns the exit status.
  static int run(const CommandLine& line);
  // The steps before the running instance is looked for: FilePath written, the early end of
  // /tray while OnTray is 0 (nothing: end now), else the notes directory resolved (a first run
  // creates the default folders of the language of strings).
  static std::optional<std::string> prepare(const CommandLine& line, SettingsStore& settings,
                                            const StringTable& strings);
  // --help and --version: the text on standard output; returns the exit status (0).
  static int printAndEnd(const CommandLine& line);
  // How long /uninstall waits for the running instance to end before it cleans up, in ms.
  static constexpr int kUninstallWaitMs = 3000;
};

}  // namespace qp::app
