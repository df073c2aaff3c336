#include "ui/dialogs/FolderNameDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>

#include "common/StringIds.h"
#include "common/StringTable.h"
#include "library/FolderOperations.h"
#include "library/NameRules.h"
#include "ui/dialogs/FolderOptionsGroup.h"

namespace qp {

FolderNameDialog::FolderNameDialog(QWidget* owner, std::string notesDirectory,
                                   SettingsStore& settings)
    : DialogBase(owner), notesDirectory_(std::move(notesDirectory)), settings_(settings) {
  setWindowTitle(text(StringId::kNewFolderTitle));
  options_ = new FolderOptionsGroup(this);
  build(QString());
}

FolderNameDialog::FolderNameDialog(QWidget* owner, std::string notesDirectory,
                                   SettingsStore& settings, std::string currentName)
    : DialogBase(owner),
      notesDirectory_(std::move(notesDirectory)),
      settings_(settings),
      currentName_(std::move(currentName)) {
  setWindowTitle(text(StringId::kRenameFolderTitle));
  build(QString::fromStdString(currentName_));
}

void FolderNameDialog::build(const QString& current) {
  auto* form = new QFormLayout;
  if (!currentName_.empty()) {
    form->addRow(text(StringId::kCurrentFolderNameLabel), new QLabel(current, this));
  }
  edit_ = new QLineEdit(this);
  auto* label = new QLabel(text(StringId::kNewFolderNameLabel), this);
  label->setBuddy(edit_);
  form->addRow(label, edit_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  if (options_ != nullptr) {
    layout->addWidget(options_);
  }
  layout->addWidget(makeButtons(StringId::kOkButton, StringId::kCancelButton));
  connect(edit_, &QLineEdit::textChanged, this, [this] { checkTyping(); });
  edit_->setFocus();
}

std::string FolderNameDialog::name() const {
  return edit_->text().toStdString();
}

FolderOptions FolderNameDialog::options() const {
  return options_ != nullptr ? options_->options() : FolderOptions{};
}

QString FolderNameDialog::messageText(int id) {
  if (id == StringId::kFolderNameTooLong) {
    return QString::fromStdString(StringTable::format(
        StringTable::active().text(id), static_cast<long>(NameRules::kMaxFolderNameLength)));
  }
  return text(id);
}

void FolderNameDialog::checkTyping() {
  const NameRules::FolderNameCheck check = NameRules::checkFolderName(name());
  if (check.messageId == 0) {
    return;
  }
  message(this, messageText(check.messageId));
  // Writing the corrected text runs this check again for any further fault.
  edit_->setText(QString::fromStdString(check.text));
}

void FolderNameDialog::accept() {
  const int refused =
      currentName_.empty()
          ? FolderOperations::newFolder(notesDirectory_, name(), options(), settings_)
          : FolderOperations::renameFolder(notesDirectory_, currentName_, name(), settings_,
                                           StringTable::active());
  if (refused != 0) {
    message(this, messageText(refused));
    edit_->setFocus();
    return;
  }
  DialogBase::accept();
}

}  // namespace qp
