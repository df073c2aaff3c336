#pragma once

#include <memory>
#include <string>

#include "alarms/scheduling/AlarmCommands.h"
#include "alarms/scheduling/AlarmScheduler.h"
#include "alarms/scheduling/DeviceAlarmSounds.h"
#include "app/QtAlarmTimers.h"
#include "audio/recording/NoAudioDialog.h"
#include "audio/recording/RecorderServices.h"
#include "common/Clock.h"
#include "library/NewNoteFiler.h"
#include "platform/FreedesktopTrash.h"
#include "platform/IniSettingsStore.h"
#include "platform/PosixProcessLauncher.h"
#include "platform/PulseAudioBackend.h"
#include "ui/QtUiServices.h"
#include "ui/dialogs/QtAlarmUi.h"

namespace qp::app {

// The name dialog, alarm prompt and companion of a new note, as the desktop program has them
// today: no name dialog (the note keeps its time-stamped name), the alarm prompt through the
// alarm commands.
class ShellNewNoteUi final : public NewNoteUi {
 public:
  NameNoteResult askForName(const NoteEntry& /*note*/, const std::string& /*folder*/) override {
    return {};
  }
  void promptForAlarm(NoteEntry& note) override {
    if (alarmCommands != nullptr) {
      alarmCommands->promptForAlarm(note);
    }
  }
  AlarmCommands* alarmCommands = nullptr;
};

// What the running program works through, one each for its whole life: the sound system, the
// user-interface services, the trash, the filing of new notes, the no-audio dialog, and the
// alarm scheduler with its timers, sounds and windows. UI thread only.
class AppServices {
 public:
  // settings and strings must outlive the object.
  AppServices(SettingsStore& settings, const StringTable& strings, std::string notesDirectory);
  ~AppServices();
  AppServices(const AppServices&) = delete;
  AppServices& operator=(const AppServices&) = delete;

  RecorderServices recorderServices() { return {backend, ui, settings, filer, noAudio}; }

  SettingsStore& settings;
  const StringTable& strings;
  const std::string notesDirectory;
  SystemClock clock;
  PulseAudioBackend backend;
  QtUiServices ui;
  FreedesktopTrash trash;
  PosixProcessLauncher launcher;
  IniSettingsStore makerWizard;
  IniSettingsStore soundCardWizard;
  NoAudioDialog noAudio;
  ShellNewNoteUi newNoteUi;
  NewNoteFiler filer;
  QtAlarmTimers timers;
  DeviceAlarmSounds sounds;
  QtAlarmUi alarmUi;
  AlarmScheduler scheduler;
  AlarmCommands alarmCommands;
};

}  // namespace qp::app
