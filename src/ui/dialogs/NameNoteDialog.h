#pragma once

#include <string>
#include <vector>

#include "library/NewNoteFiler.h"
#include "library/NoteEntry.h"
#include "ui/dialogs/DialogBase.h"

class QComboBox;
class QLineEdit;

namespace qp {

// "Name Note": a new name and a folder for one note (also the name dialog after a recording).
// The name is cleaned of forbidden characters as it is typed; a note with a time-stamped name
// opens with its date cleaned silently. OK renames or moves the note; a refusal (path too
// long, a note of that name in the folder) shows its message and keeps the dialog open.
class NameNoteDialog : public DialogBase {
  Q_OBJECT

 public:
  // folders: every folder's name in list order; currentFolder is selected.
  NameNoteDialog(QWidget* owner, std::string notesDirectory, const NoteEntry& note,
                 const std::vector<std::string>& folders, std::string currentFolder);

  QLineEdit* nameEdit() const { return edit_; }
  QComboBox* folderBox() const { return folders_; }

  // After OK: the folder chosen and the note's path afterwards (unchanged when nothing moved).
  NameNoteResult nameResult() const { return result_; }

  void accept() override;

 private:
  void checkTyping();

  std::string notesDirectory_;
  NoteEntry note_;
  std::string currentFolder_;
  bool suppressOnce_;
  QLineEdit* edit_;
  QComboBox* folders_;
  NameNoteResult result_;
};

}  // namespace qp
