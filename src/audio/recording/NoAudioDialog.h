#pragma once

#include <string>

#include "audio/recording/MicrophoneWizard.h"
#include "common/ProcessLauncher.h"
#include "common/SettingsStore.h"
#include "common/UiServices.h"

namespace qp {

// The no-audio dialog after a recording in which nothing reached the silence threshold: its
// text (cut at the first line break when there is no wizard to help), the "Do not show this
// message again" check box that turns "CheckForSilence" off, and the "Help" button that starts
// the microphone wizard through the launcher (its path as the whole command line, not waited
// for; the desktop's sound settings with the page they open on). UI thread only.
class NoAudioDialog {
 public:
  // All must outlive the dialog.
  NoAudioDialog(UiServices& ui, SettingsStore& settings, ProcessLauncher& launcher,
                MicrophoneWizardSources sources);

  void show();

 private:
  UiServices& ui_;
  SettingsStore& settings_;
  ProcessLauncher& launcher_;
  MicrophoneWizardSources sources_;
};

}  // namespace qp
