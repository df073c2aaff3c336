#include "cli/CliRecorder.h"

#include <cstdlib>
#include <memory>

#include "audio/wave/NoteMetrics.h"
#include "audio/wave/WaveFileReader.h"
#include "cli/CliDevices.h"
#include "cli/LibrarySession.h"
#include "cli/PlatformServices.h"
#include "cli/Terminal.h"
#include "platform/IniSettingsStore.h"

namespace qp::cli {
namespace {

std::string configHome() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
    return xdg;
  }
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : ".") + "/.config";
}

}  // namespace

MicrophoneWizardSources wizardSources() {
  static IniSettingsStore maker(configHome() + "/Tolvane Electronics/TolvaneWizard.conf");
  static IniSettingsStore soundCard(configHome() + "/Analog Devices/SMax4Wiz.conf");
  const char* path = std::getenv("PATH");
  return {&maker, &soundCard, LibrarySession::programDirectory(), path != nullptr ? path : ""};
}

bool CliRecording::run(std::string& lastNotePath, const std::string& editCommand) {
  NoAudioDialog noAudio(ui, settings, processLauncher(), wizardSources());
  RecorderOptions options;
  PulseAudioBackend backend;
  useChosenDevices(backend, settings, MixerDirection::Recording);
  std::unique_ptr<RecordingController> controller;
  const auto start = [&] { return controller->startRecording(); };
  // The length limit is in bytes at the rate of the recording: the preset's, or the edited
  // note's own.
  std::uint32_t rate = NoteMetrics::qualitySampleRate(settings.readNumber("Quality", 2));
  if (editor != nullptr) {
    WaveFileReader probe;
    const auto selected = window.selectedNotes();
    if (!selected.empty() && probe.open(window.notePath(selected.front()))) {
      rate = probe.format().nSamplesPerSec;
    }
  }
  if (seconds) {
    options.stopAfterBytes = static_cast<std::uint64_t>(*seconds * rate) * 2;
  }
  controller = std::make_unique<RecordingController>(
      RecorderServices{backend, ui, settings, filer, noAudio}, window, options);
  bool started = false;
  if (editor != nullptr) {
    controller->setEditor(editor);
    editor->setRecordingStarter(start);
    started = editCommand == "append" ? editor->appendRecording() : editor->insertRecording();
  } else {
    started = start();
  }
  if (!started) {
    return false;
  }
  Terminal terminal(true);
  const bool ended = ui.runUntil([&] { return !controller->recording(); }, terminal,
                                 [&] {
                                   terminal.progress("Recording " + std::to_string(window.time()) +
                                                     " s (Enter or Ctrl-C stops)");
                                 });
  if (!ended) {
    controller->stopRecording();
  }
  terminal.finish();
  lastNotePath = controller->lastNotePath();
  microphoneLost = controller->microphoneLost();
  return true;
}

}  // namespace qp::cli
