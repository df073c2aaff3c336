#include "app/AppServices.h"

#include <cstdlib>

#include "app/ProgramFile.h"

namespace qp::app {
namespace {

std::string configHome() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
    return xdg;
  }
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : ".") + "/.config";
}

std::string searchPath() {
  const char* path = std::getenv("PATH");
  return path != nullptr ? path : "";
}

}  // namespace

AppServices::AppServices(SettingsStore& settingsStore, const StringTable& stringTable,
                         std::string notes)
    : settings(settingsStore),
      strings(stringTable),
      notesDirectory(std::move(notes)),
      makerWizard(configHome() + "/Tolvane Electronics/TolvaneWizard.conf"),
      soundCardWizard(configHome() + "/Analog Devices/SMax4Wiz.conf"),
      noAudio(ui, settings, launcher,
              {&makerWizard, &soundCardWizard, ProgramFile::directory(), searchPath()}),
      filer(settings, strings, clock, notesDirectory, newNoteUi),
      sounds(backend),
      alarmUi(settings, clock),
      scheduler(notesDirectory, {settings, strings, clock, timers, sounds, alarmUi, trash}),
      alarmCommands(settings, strings, clock, alarmUi, scheduler) {
  newNoteUi.alarmCommands = &alarmCommands;
  timers.setHandler([this](int id) { scheduler.onTimer(id); });
}

AppServices::~AppServices() {
  scheduler.killAll();
}

}  // namespace qp::app
