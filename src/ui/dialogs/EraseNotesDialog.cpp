#include "ui/dialogs/EraseNotesDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/StringIds.h"
#include "library/NoteOperations.h"
#include "ui/dialogs/CTECheckListBox.h"

namespace qp {

EraseNotesDialog::EraseNotesDialog(QWidget* owner, NoteList& list, const std::string& folderName,
                                   const std::vector<std::size_t>& checkedPositions, Trash& trash)
    : DialogBase(owner),
      list_(list),
      trash_(trash),
      checks_(new CTECheckListBox(this)),
      checkAll_(new QPushButton(text(StringId::kCheckAll), this)),
      uncheckAll_(new QPushButton(text(StringId::kUncheckAll), this)) {
  setWindowTitle(text(StringId::kEraseNoteTitle));
  checks_->setLines(NoteOperations::eraseListLines(list_));
  for (const std::size_t position : checkedPositions) {
    checks_->setChecked(static_cast<int>(position), true);
  }
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(new QLabel(text(StringId::kFolderLabel), this));
  folderRow->addWidget(new QLabel(QString::fromStdString(folderName), this), 1);
  auto* listLabel = new QLabel(text(StringId::kCheckNotesToErase), this);
  listLabel->setBuddy(checks_);
  auto* checkRow = new QHBoxLayout;
  checkRow->addWidget(checkAll_);
  checkRow->addWidget(uncheckAll_);
  checkRow->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(folderRow);
  layout->addWidget(listLabel);
  layout->addWidget(checks_, 1);
  layout->addLayout(checkRow);
  layout->addWidget(makeButtons(StringId::kEraseButton, StringId::kCancelButton));
  checkAll_->setAutoDefault(false);
  uncheckAll_->setAutoDefault(false);
  connect(checkAll_, &QPushButton::clicked, this, [this] { checks_->setAllChecked(true); });
  connect(uncheckAll_, &QPushButton::clicked, this, [this] { checks_->setAllChecked(false); });
  checks_->setFocus();
}

void EraseNotesDialog::accept() {
  const std::vector<int> rows = checks_->checkedRows();
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    if (list_.remove(static_cast<std::size_t>(*row), &trash_)) {
      ++erased_;
    }
  }
  DialogBase::accept();
}

bool EraseNotesDialog::confirmErase(QWidget* owner, std::size_t count, bool shiftHeld) {
  if (count == 0) {
    return false;
  }
  return shiftHeld || ask(owner, QString::fromStdString(
                                     NoteOperations::eraseQuestion(count, StringTable::active())));
}

}  // namespace qp
