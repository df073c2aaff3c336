#include "ui/dialogs/MoveNotesDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <utility>

#include "common/StringIds.h"
#include "library/NoteOperations.h"

namespace qp {

MoveNotesDialog::MoveNotesDialog(QWidget* owner, std::string notesDirectory,
                                 std::vector<const NoteEntry*> notes,
                                 const std::vector<std::string>& folders,
                                 const std::string& currentFolder)
    : DialogBase(owner),
      notesDirectory_(std::move(notesDirectory)),
      notes_(std::move(notes)),
      list_(new QListWidget(this)) {
  setWindowTitle(text(StringId::kMoveNotesTitle));
  for (const std::string& folder : folders) {
    if (folder != currentFolder) {
      list_->addItem(QString::fromStdString(folder));
    }
  }
  if (list_->count() > 0) {
    list_->setCurrentRow(0);
  }
  auto* label = new QLabel(text(StringId::kMoveNotesPrompt), this);
  label->setWordWrap(true);
  label->setBuddy(list_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(list_);
  layout->addWidget(makeButtons(StringId::kOkButton, StringId::kCancelButton));
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
  list_->setFocus();
}

void MoveNotesDialog::accept() {
  const QListWidgetItem* chosen = list_->currentItem();
  const std::string folder =
      chosen != nullptr && chosen->isSelected() ? chosen->text().toStdString() : std::string();
  const NoteOperations::MoveResult result =
      NoteOperations::moveNotes(notesDirectory_, notes_, folder);
  if (result.messageId != 0) {
    message(this, text(result.messageId));
    list_->setFocus();
    return;
  }
  for (std::size_t i = 0; i < result.failed.size(); ++i) {
    message(this, text(StringId::kNoteNotMoved));
  }
  moved_ = result.moved;
  DialogBase::accept();
}

}  // namespace qp
