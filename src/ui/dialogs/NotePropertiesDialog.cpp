#include "ui/dialogs/NotePropertiesDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "common/StringIds.h"

namespace qp {

NotePropertiesDialog::NotePropertiesDialog(QWidget* owner, const NoteEntry& note,
                                           const std::string& folderName)
    : DialogBase(owner), properties_(NoteProperties::of(note, folderName)) {
  setWindowTitle(text(StringId::kNotePropertiesTitle));
  const std::array<std::pair<int, const std::string*>, 7> rows{{
      {StringId::kNameLabel, &properties_.name},
      {StringId::kFolderLabel, &properties_.folder},
      {StringId::kQualityLabel, &properties_.quality},
      {StringId::kLengthLabel, &properties_.length},
      {StringId::kLastModifiedLabel, &properties_.lastModified},
      {StringId::kFileSizeLabel, &properties_.fileSize},
      {StringId::kLocationLabel, &properties_.location},
  }};
  auto* form = new QFormLayout;
  for (const auto& [label, value] : rows) {
    auto* shown = new QLabel(QString::fromStdString(*value), this);
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    shown->setWordWrap(true);
    form->addRow(text(label), shown);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setText(text(StringId::kOkButton));
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  setMinimumWidth(fontMetrics().averageCharWidth() * 50);
}

QLabel* NotePropertiesDialog::valueLabel(int row) const {
  const auto* form = findChild<QFormLayout*>();
  if (form == nullptr) {
    return nullptr;
  }
  const QLayoutItem* item = form->itemAt(row, QFormLayout::FieldRole);
  return item != nullptr ? qobject_cast<QLabel*>(item->widget()) : nullptr;
}

}  // namespace qp
