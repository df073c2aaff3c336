#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/Trash.h"
#include "library/NoteList.h"
#include "ui/dialogs/DialogBase.h"

class QPushButton;

namespace qp {

class CTECheckListBox;

// "Erase Note": every note of the current folder in a check list (" 1.  name"), the given
// positions checked; "Check All", "Uncheck All", "Erase" (erases the checked notes, last
// first, to the trash with their side files) and "Cancel". The caller rebuilds the list and
// re-arms the alarms after an erase.
class EraseNotesDialog : public DialogBase {
  Q_OBJECT

 public:
  // list and trash must outlive the dialog (a trash that is not available deletes for good).
  EraseNotesDialog(QWidget* owner, NoteList& list, const std::string& folderName,
                   const std::vector<std::size_t>& checkedPositions, Trash& trash);

  CTECheckListBox* checkList() const { return checks_; }
  QPushButton* checkAllButton() const { return checkAll_; }
  QPushButton* uncheckAllButton() const { return uncheckAll_; }
  std::size_t erasedCount() const { return erased_; }

  void accept() override;

  // The question before the selected notes are erased (string 33 for one, 34 for several),
  // skipped when the Shift key is held. True when they may be erased.
  static bool confirmErase(QWidget* owner, std::size_t count, bool shiftHeld);

 private:
  NoteList& list_;
  Trash& trash_;
  CTECheckListBox* checks_;
  QPushButton* checkAll_;
  QPushButton* uncheckAll_;
  std::size_t erased_ = 0;
};

}  // namespace qp
