#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "library/NoteEntry.h"
#include "ui/dialogs/DialogBase.h"

class QListWidget;

namespace qp {

// "Move Notes": the selected notes to another folder, chosen from every folder but the current
// one (the first selected). OK without a folder shows string 51 and stays open; each note that
// cannot be moved shows string 52 and the others move on. The caller rebuilds its list and
// re-arms the alarms.
class MoveNotesDialog : public DialogBase {
  Q_OBJECT

 public:
  // notes in list order; they must outlive the dialog. folders: every folder in list order.
  MoveNotesDialog(QWidget* owner, std::string notesDirectory, std::vector<const NoteEntry*> notes,
                  const std::vector<std::string>& folders, const std::string& currentFolder);

  QListWidget* folderList() const { return list_; }
  std::size_t movedCount() const { return moved_; }

  void accept() override;

 private:
  std::string notesDirectory_;
  std::vector<const NoteEntry*> notes_;
  QListWidget* list_;
  std::size_t moved_ = 0;
};

}  // namespace qp
