#pragma once

#include <string>

#include "library/NoteEntry.h"
#include "library/NoteProperties.h"
#include "ui/dialogs/DialogBase.h"

class QLabel;

namespace qp {

// "Note Properties": name, folder, quality, length, last change, size and location of one
// note, read only, with an OK button.
class NotePropertiesDialog : public DialogBase {
  Q_OBJECT

 public:
  NotePropertiesDialog(QWidget* owner, const NoteEntry& note, const std::string& folderName);

  const NoteProperties& properties() const { return properties_; }
  // The value label of row 0 (Name) to 6 (Location).
  QLabel* valueLabel(int row) const;

 private:
  NoteProperties properties_;
};

}  // namespace qp
