#pragma once

#include "app/CommandLine.h"
#include "app/InstanceMessage.h"

namespace qp::app {

// The choices of the start-up sequence and of a closing main window, apart from the work they
// lead to, so that each can be checked alone.
struct StartupDecisions {
  // What the program does once it knows whether another instance runs for this user and display.
  enum class InstanceStep {
    EndRunningThenEnd,      // /kill: ask the running one to exit (if any), end
    EndRunningThenCleanUp,  // /uninstall: the same, then the uninstall clean-up, end
    HandOverThenEnd,        // another one runs: pass the request on, end
    RunAsFirst,             // none runs: this one becomes the program
  };

  // What the first instance shows at the end of start-up.
  struct Finish {
    bool addTrayIcon = false;
    bool runAtLogOn = false;  // switch the log-on entry on (OnTray = 1)
    bool openWindow = false;
  };

  // --help or --version: print and end before anything else (no settings are touched).
  static bool printsAndEnds(const CommandLine& line) { return line.help || line.version; }
  // /tray while "keep running in the tray" is off: end right after the command line.
  static bool endsAfterCommandLine(const CommandLine& line, int onTray) {
    return line.tray && onTray == 0;
  }
  static InstanceStep instanceStep(const CommandLine& line, bool otherRunning);
  // The message a second start passes to the running instance.
  static InstanceMessage handOverMessage(const CommandLine& line);
  // trayAvailable: the desktop has a notification area. Without one the window always opens,
  // so the program never runs with nothing to show.
  static Finish finish(const CommandLine& line, int onTray, bool trayAvailable);

  // The main window was closed (not for a change of view or a reopen request): whether the
  // program exits. It stays in the tray only while OnTray is 1 and there is a tray.
  static bool exitsWhenWindowCloses(int onTray, bool trayAvailable) {
    return onTray != 1 || !trayAvailable;
  }
};

}  // namespace qp::app
