#pragma once

#include <string>
#include <vector>

#include "common/SettingsStore.h"

namespace qp {

// Finds the microphone set-up program that "Help" in the no-audio dialog starts.
// A program counts only when its file exists and may be executed.
//
// Search order:
// 1. the maker's wizard: the `FilePath` value of its own settings (`Settings` group of
//    "Tolvane Electronics/TolvaneWizard"), else "TolvaneWizard" on PATH, else "TolvaneWizard"
//    in the program's own directory;
// 2. the sound card's wizard: the `FilePath` value of "Analog Devices/SMax4Wiz" settings,
//    else "SoundMAX" or "SMax4Wiz" on PATH;
// 3. the desktop's sound settings, the first found on PATH of: "gnome-control-center sound",
//    "pavucontrol", "pavucontrol-qt", "kcmshell6 kcm_pulseaudio".
struct MicrophoneWizardSources {
  const SettingsStore* makerWizard = nullptr;      // may be null
  const SettingsStore* soundCardWizard = nullptr;  // may be null
  std::string programDirectory;
  std::string path;  // the PATH variable's value
};

// The program to start and its arguments (the desktop's settings tool needs its page named).
struct MicrophoneWizardCommand {
  std::string program;  // full path; empty when none is installed
  std::vector<std::string> arguments;

  bool found() const { return !program.empty(); }
};

struct MicrophoneWizard {
  // The wizard's full path, or empty when none is installed.
  static std::string find(const MicrophoneWizardSources& sources);
  // The wizard with the arguments it is started with.
  static MicrophoneWizardCommand findCommand(const MicrophoneWizardSources& sources);
};

}  // namespace qp
