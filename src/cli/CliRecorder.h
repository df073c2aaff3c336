#pragma once

#include <optional>
#include <string>

#include "audio/editing/NoteEditor.h"
#include "audio/recording/NoAudioDialog.h"
#include "audio/recording/RecordingController.h"
#include "audio/recording/RecordingDestination.h"
#include "cli/CliAudioUi.h"
#include "platform/PulseAudioBackend.h"

namespace qp::cli {

// A RecordingDestination that leaves the file where it was written (record OUT.wav).
class KeepInPlace final : public RecordingDestination {
 public:
  std::string file(const std::string& path) override { return path; }
};

// One recording through the recording controller on the terminal: started, then stopped by
// the length given, Enter or Ctrl-C, or by the controller itself (silence alert, time-outs,
// full disk). Settings, filer and editor belong to the verb.
struct CliRecording {
  SettingsStore& settings;
  RecordingDestination& filer;
  CliUiServices& ui;
  CliAudioWindow& window;
  std::optional<double> seconds;
  NoteEditor* editor = nullptr;  // set for insert and append
  bool microphoneLost = false;   // set by run: the microphone stopped delivering sound

  // Runs the recording (through the editor's command when editing); returns whether one
  // started. lastNotePath: the filed note, if any.
  bool run(std::string& lastNotePath, const std::string& editCommand = {});
};

// The no-audio dialog's wizard sources on this machine: the wizards' own settings files,
// PATH and the program's directory.
MicrophoneWizardSources wizardSources();

}  // namespace qp::cli
