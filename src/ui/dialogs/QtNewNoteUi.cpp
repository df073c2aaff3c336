#include "ui/dialogs/QtNewNoteUi.h"

#include <vector>

#include "common/StringTable.h"
#include "library/FolderList.h"
#include "ui/dialogs/NameNoteDialog.h"

namespace qp {

NameNoteResult QtNewNoteUi::askForName(const NoteEntry& note, const std::string& currentFolder) {
  FolderList folders(settings_, StringTable::active());
  folders.setRoot(notesDirectory_);
  std::vector<std::string> names;
  for (const FolderEntry& folder : folders.folders()) {
    names.push_back(folder.name);
  }
  NameNoteDialog dialog(owner_, notesDirectory_, note, names, currentFolder);
  dialog.runModal();
  return dialog.nameResult();
}

void QtNewNoteUi::promptForAlarm(NoteEntry& note) {
  if (alarms_ != nullptr) {
    alarms_->promptForAlarm(note);
  }
}

void QtNewNoteUi::makeCompanion(NoteEntry& note) {
  if (transfer_ != nullptr && transfer_->dragFormat() != 0) {
    note.companionPath = transfer_->renewCompanion(note.path);
  }
}

}  // namespace qp
