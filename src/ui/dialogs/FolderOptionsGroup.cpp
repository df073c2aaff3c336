#include "ui/dialogs/FolderOptionsGroup.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/StringIds.h"
#include "library/SortOrder.h"
#include "ui/dialogs/DialogBase.h"

namespace qp {

FolderOptionsGroup::FolderOptionsGroup(QWidget* parent)
    : QWidget(parent), prompt_(new QCheckBox(DialogBase::text(StringId::kPromptForAlarms))) {
  auto* group = new QGroupBox(DialogBase::text(StringId::kSortOrderLabel));
  auto* groupLayout = new QVBoxLayout;
  group->setLayout(groupLayout);
  for (std::size_t i = 0; i < orders_.size(); ++i) {
    const int label = sortOrderLabelId(static_cast<SortOrder>(i));
    orders_.at(i) = new QRadioButton(DialogBase::text(label), group);
    groupLayout->addWidget(orders_.at(i));
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(prompt_);
  layout->addWidget(group);
  connect(prompt_, &QCheckBox::toggled, this, [this] { applyRule(); });
  setOptions(FolderOptions{});
}

void FolderOptionsGroup::setOptions(const FolderOptions& options) {
  prompt_->setChecked(options.promptForAlarms != 0);
  const auto order = static_cast<std::size_t>(sortOrderOf(options.sortOrder));
  orders_.at(order)->setChecked(true);
  applyRule();
}

FolderOptions FolderOptionsGroup::options() const {
  FolderOptions options;
  options.promptForAlarms = prompt_->isChecked() ? 1 : 0;
  for (std::size_t i = 0; i < orders_.size(); ++i) {
    if (orders_.at(i)->isChecked()) {
      options.sortOrder = static_cast<std::uint32_t>(i);
    }
  }
  return options;
}

void FolderOptionsGroup::applyRule() {
  QRadioButton* alarmDate = orders_.at(static_cast<std::size_t>(SortOrder::AlarmDate));
  const bool prompt = prompt_->isChecked();
  if (!prompt && alarmDate->isChecked()) {
    orders_.at(static_cast<std::size_t>(SortOrder::OldestFirst))->setChecked(true);
  }
  alarmDate->setEnabled(prompt);
}

}  // namespace qp
