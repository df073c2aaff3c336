#include "ui/dialogs/NameNoteDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>

#include "common/StringIds.h"
#include "library/NameRules.h"
#include "library/NoteOperations.h"

namespace qp {

NameNoteDialog::NameNoteDialog(QWidget* owner, std::string notesDirectory, const NoteEntry& note,
                               const std::vector<std::string>& folders, std::string currentFolder)
    : DialogBase(owner),
      notesDirectory_(std::move(notesDirectory)),
      note_(note),
      currentFolder_(std::move(currentFolder)),
      suppressOnce_(NameRules::isAutomaticallyNamed(note.path)),
      edit_(new QLineEdit(this)),
      folders_(new QComboBox(this)) {
  setWindowTitle(text(StringId::kNameNoteTitle));
  for (const std::string& folder : folders) {
    folders_->addItem(QString::fromStdString(folder));
  }
  folders_->setCurrentIndex(folders_->findText(QString::fromStdString(currentFolder_)));
  auto* nameLabel = new QLabel(text(StringId::kNoteNameLabel), this);
  nameLabel->setBuddy(edit_);
  auto* folderLabel = new QLabel(text(StringId::kNoteFolderLabel), this);
  folderLabel->setBuddy(folders_);
  auto* form = new QFormLayout;
  form->addRow(nameLabel, edit_);
  form->addRow(folderLabel, folders_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(makeButtons(StringId::kOkButton, StringId::kCancelButton));
  connect(edit_, &QLineEdit::textChanged, this, [this] { checkTyping(); });
  edit_->setText(QString::fromStdString(note_.displayName));
  edit_->selectAll();
  edit_->setFocus();
  edit_->setMinimumWidth(edit_->fontMetrics().averageCharWidth() * 40);
  result_.folder = currentFolder_;
  result_.path = note_.path;
}

void NameNoteDialog::checkTyping() {
  const std::string typed = edit_->text().toStdString();
  const auto caret =
      static_cast<std::size_t>(edit_->text().left(edit_->cursorPosition()).toStdString().size());
  const NameRules::NoteNameCheck check = NameRules::checkNoteName(typed, caret, suppressOnce_);
  if (!check.changed) {
    return;
  }
  if (check.showMessage) {
    message(this, text(StringId::kNoteNameForbiddenCharacter));
  }
  const QString cleaned = QString::fromStdString(check.text);
  {
    const QSignalBlocker blocker(edit_);
    edit_->setText(cleaned);
  }
  edit_->setCursorPosition(
      static_cast<int>(QString::fromStdString(check.text.substr(0, check.caret)).size()));
}

void NameNoteDialog::accept() {
  const std::string folder = folders_->currentText().toStdString();
  const NoteOperations::RenameResult renamed = NoteOperations::renameOrMove(
      notesDirectory_, note_, currentFolder_, edit_->text().toStdString(), folder);
  if (renamed.messageId != 0) {
    message(this, text(renamed.messageId));
    edit_->setFocus();
    return;
  }
  if (renamed.changed) {
    result_.path = renamed.newPath;
  }
  result_.folder = folder.empty() ? currentFolder_ : folder;
  result_.ok = true;
  DialogBase::accept();
}

}  // namespace qp
