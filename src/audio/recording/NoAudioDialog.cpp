#include "audio/recording/NoAudioDialog.h"

#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp {

NoAudioDialog::NoAudioDialog(UiServices& ui, SettingsStore& settings, ProcessLauncher& launcher,
                             MicrophoneWizardSources sources)
    : ui_(ui), settings_(settings), launcher_(launcher), sources_(std::move(sources)) {}

void NoAudioDialog::show() {
  const MicrophoneWizardCommand wizard = MicrophoneWizard::findCommand(sources_);
  std::string text = StringTable::active().text(StringId::kNoAudio);
  if (!wizard.found()) {
    text = text.substr(0, text.find('\n'));
  }
  const NoAudioChoice choice = ui_.showNoAudioDialog(text, wizard.found());
  if (choice.doNotShowAgain) {
    settings_.writeNumber("CheckForSilence", 0);
  }
  if (choice.help && wizard.found()) {
    launcher_.start(wizard.program, wizard.arguments);
  }
}

}  // namespace qp
