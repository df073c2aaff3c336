#pragma once

#include <string>

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
// 3. the desktop's sound settings tool: "pavucontrol" (or "pavucontrol-qt") on PATH.
struct MicrophoneWizardSources {
  const SettingsStore* makerWizard = nullptr;      // may be null
  const SettingsStore* soundCardWizard = nullptr;  // may be null
  std::string programDirectory;
  std::string path;  // the PATH variable's value
};

struct MicrophoneWizard {
  // The wizard's full path, or empty when none is installed.
  static std::string find(const MicrophoneWizardSources& sources);
};

}  // namespace qp
