#pragma once

#include <string>

#include "alarms/AlarmRecord.h"
#include "library/NoteEntry.h"

namespace qp {

// How an alarm popup was closed.
struct AlarmPopupResult {
  bool snooze = false;     // false: closed with "Close"
  int snoozeMinutes = 10;  // with snooze: fire again after this many minutes
};

// The buttons of the alarm dialog.
enum class AlarmDialogResult { SetAlarm, DisableAlarm, Cancel };

// What the alarm code asks of the user interface: popups, the alarm dialog, questions and list
// refreshes. The command line implements it on the terminal (CliAlarmUi), tests with fakes.
class AlarmUi {
 public:
  virtual ~AlarmUi() = default;
  // Shows the popup of a firing alarm and returns when it is closed. Modal, but alarm and
  // replay timers keep firing meanwhile (they may open further popups).
  virtual AlarmPopupResult showPopup(const NoteEntry& note) = 0;
  // Shows the alarm dialog on record (which it fills on "Set Alarm", after
  // AlarmDialogRules::check accepted it). prompt: opened after a recording was filed.
  virtual AlarmDialogResult showAlarmDialog(const NoteEntry& note, AlarmRecord& record,
                                            bool prompt) = 0;
  // A Yes/No question with the question icon; true for Yes.
  virtual bool askYesNo(const std::string& text, const std::string& caption) = 0;
  // The notes view rebuilds its list and keeps its selection (nothing when it is closed).
  virtual void rebuildNotesList() = 0;
  // An alarm timer fired for the note (before its tone and note play).
  virtual void alarmFired(const NoteEntry& /*note*/) {}
};

}  // namespace qp
