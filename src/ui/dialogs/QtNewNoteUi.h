#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

#include "alarms/scheduling/AlarmCommands.h"
#include "common/SettingsStore.h"
#include "library/NewNoteFiler.h"
#include "sharing/NoteTransfer.h"

namespace qp {

// The windows that follow a finished recording on the desktop: "Name Note" (when "AskForName"
// is on), the alarm prompt of a folder that asks for alarms, and the drag companion. UI thread
// only.
class QtNewNoteUi : public NewNoteUi {
 public:
  // alarms and transfer may be null (no prompt, no companion); all must outlive the object.
  QtNewNoteUi(SettingsStore& settings, std::string notesDirectory, AlarmCommands* alarms,
              NoteTransfer* transfer)
      : settings_(settings),
        notesDirectory_(std::move(notesDirectory)),
        alarms_(alarms),
        transfer_(transfer) {}

  // The window the dialogs are modal to (null: none).
  void setOwner(QWidget* owner) { owner_ = owner; }

  NameNoteResult askForName(const NoteEntry& note, const std::string& currentFolder) override;
  void promptForAlarm(NoteEntry& note) override;
  void makeCompanion(NoteEntry& note) override;

 private:
  SettingsStore& settings_;
  std::string notesDirectory_;
  AlarmCommands* alarms_;
  NoteTransfer* transfer_;
  QPointer<QWidget> owner_;
};

}  // namespace qp
