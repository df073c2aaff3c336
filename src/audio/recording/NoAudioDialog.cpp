#include "audio/recording/NoAudioDialog.h"

#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp {

NoAudioDialog::NoAudioDialog(UiServices& ui, SettingsStore& settings, ProcessLauncher& launcher,
                             MicrophoneWizardSources sources)
    : ui_(ui), settings_(settings), launcher_(launcher), sources_(std::move(sources)) {}

void NoAudioDialog::show() {
  const std::string wizard = MicrophoneWizard::find(sources_);
  std::string text = StringTable::active().text(StringId::kNoAudio);
  if (wizard.empty()) {
    text = text.substr(0, text.find('\n'));
  }
  const NoAudioChoice choice = ui_.showNoAudioDialog(text, !wizard.empty());
  if (choice.doNotShowAgain) {
    settings_.writeNumber("CheckForSilence", 0);
  }
  if (choice.help && !wizard.empty()) {
    launcher_.start(wizard, {});
  }
}

}  // namespace qp
