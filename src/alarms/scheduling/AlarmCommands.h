#pragma once

#include "alarms/scheduling/AlarmScheduler.h"
#include "alarms/scheduling/AlarmUi.h"
#include "common/Clock.h"
#include "common/SettingsStore.h"
#include "common/StringTable.h"
#include "library/NoteEntry.h"

namespace qp {

// The alarm commands of the notes view: "&Alarm..." on a note, the alarm prompt after a
// recording is filed into a folder that asks for alarms, and the close question.
class AlarmCommands {
 public:
  // All must outlive the object.
  AlarmCommands(SettingsStore& settings, const StringTable& strings, const Clock& clock,
                AlarmUi& ui, AlarmScheduler& scheduler);

  // The record the dialog opens on: the note's own alarm, else AlarmTemplate::forNewAlarm.
  AlarmRecord workingRecord(const NoteEntry& note) const;

  // "&Alarm...": shows the dialog; "Set Alarm" writes the template and saves the alarm with
  // recompute (creating the file for a new alarm), "Disable Alarm" deletes it; after either the
  // scheduler re-arms. The caller redraws the note (or rebuilds a list sorted by alarm date).
  AlarmDialogResult editAlarm(NoteEntry& note);

  // After a recording was filed: the same dialog as editAlarm on a note that has no alarm yet,
  // but "Disable Alarm" does nothing.
  AlarmDialogResult promptForAlarm(NoteEntry& note);

  // Before the program closes: true when it may. From the "&Close" command in tray mode it may
  // at once; otherwise, while alarms are armed, only after Yes to string 100.
  bool confirmCloseWithAlarms(bool fromCloseCommand, bool trayMode);

 private:
  void setAlarm(NoteEntry& note, const AlarmRecord& record);

  SettingsStore& settings_;
  const StringTable& strings_;
  const Clock& clock_;
  AlarmUi& ui_;
  AlarmScheduler& scheduler_;
};

}  // namespace qp
