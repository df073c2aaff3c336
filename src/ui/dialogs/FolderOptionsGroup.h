#pragma once

#include <QWidget>
#include <array>

#include "library/FolderOptions.h"

class QCheckBox;
class QRadioButton;

namespace qp {

// The "Prompt for Alarms" check box and the "Sort Order" radio buttons of the folder dialogs.
// "Alarm Date" is offered only while "Prompt for Alarms" is checked; clearing the check box
// while it is chosen moves the choice to "Oldest First".
class FolderOptionsGroup : public QWidget {
  Q_OBJECT

 public:
  explicit FolderOptionsGroup(QWidget* parent = nullptr);

  void setOptions(const FolderOptions& options);
  // What the controls show; sortOrder 0 to 3.
  FolderOptions options() const;

  QCheckBox* promptBox() const { return prompt_; }
  // Oldest First, Newest First, Alphabetical, Alarm Date.
  QRadioButton* orderButton(int order) const { return orders_.at(static_cast<std::size_t>(order)); }

 private:
  void applyRule();

  QCheckBox* prompt_;
  std::array<QRadioButton*, 4> orders_{};
};

}  // namespace qp
