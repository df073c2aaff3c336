#pragma once

#include <string>

#include "common/SettingsStore.h"

namespace qp::app {

// The running program's file, as the log-on entry and the FilePath setting name it.
struct ProgramFile {
  // The full path of the program file (from /proc/self/exe); "quillophone" when unknown.
  static std::string path();
  // Its directory, without a trailing '/'.
  static std::string directory();
  // Writes FilePath: the program's full path in double quotes.
  static void record(SettingsStore& settings) {
    settings.writeText("FilePath", "\"" + path() + "\"");
  }
};

}  // namespace qp::app
