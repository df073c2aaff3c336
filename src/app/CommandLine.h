#pragma once

#include <string>
#include <vector>

namespace qp::app {

// The desktop program's command line. Each word is compared without regard to case; the
// program's own spelling ("/tray") and the GNU one ("--tray") mean the same. Words the program
// does not know are kept in unknown and otherwise ignored.
struct CommandLine {
  bool tray = false;       // start in the tray without the main window
  bool kill = false;       // end the running instance, then end
  bool uninstall = false;  // end the running instance, clean up, then end
  bool silent = false;     // uninstall without the question; the notes stay where they are
  bool help = false;       // print the usage and end
  bool version = false;    // print the version and end
  std::vector<std::string> unknown;

  // args: the words after the program's name.
  static CommandLine parse(const std::vector<std::string>& args);

  // The text --help prints (ends in a newline).
  static std::string usage();
};

}  // namespace qp::app
