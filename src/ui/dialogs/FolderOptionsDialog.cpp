#include "ui/dialogs/FolderOptionsDialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>
#include <utility>

#include "common/StringIds.h"
#include "common/StringTable.h"
#include "library/FolderOperations.h"
#include "ui/dialogs/FolderOptionsGroup.h"

namespace qp {

FolderOptionsDialog::FolderOptionsDialog(QWidget* owner, std::string folderName,
                                         SettingsStore& settings)
    : DialogBase(owner),
      folderName_(std::move(folderName)),
      settings_(settings),
      initial_(FolderOptions::read(settings_, folderName_, StringTable::active())),
      group_(new FolderOptionsGroup(this)) {
  setWindowTitle(text(StringId::kOptionsLabel) + " " + QString::fromStdString(folderName_));
  group_->setOptions(initial_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group_);
  layout->addWidget(makeButtons(StringId::kOkButton, StringId::kCancelButton));
}

FolderOptions FolderOptionsDialog::options() const {
  return group_->options();
}

bool FolderOptionsDialog::sortOrderChanged() const {
  return options().sortOrder != initial_.sortOrder;
}

void FolderOptionsDialog::accept() {
  FolderOperations::saveOptions(folderName_, options(), settings_);
  DialogBase::accept();
}

bool FolderOptionsDialog::deleteFolder(QWidget* owner, const std::string& notesDirectory,
                                       const std::string& folderName, SettingsStore& settings) {
  if (!ask(owner, text(StringId::kDeleteFolderQuestion))) {
    return false;
  }
  FolderOperations::deleteFolder(notesDirectory, folderName, settings);
  return true;
}

}  // namespace qp
