#pragma once

#include <QString>

#include "common/UiServices.h"
#include "ui/dialogs/DialogBase.h"

class QCheckBox;
class QPushButton;

namespace qp {

// The window of the no-audio dialog: its text, "Do not show this message again", OK (the
// default) and, when there is help to start, "Help".
class NoAudioDialogView : public DialogBase {
  Q_OBJECT

 public:
  NoAudioDialogView(QWidget* owner, const QString& text, bool showHelp);

  QCheckBox* doNotShowBox() const { return doNotShow_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* helpButton() const { return help_; }  // null without help

  // What the user chose (after the dialog closed).
  NoAudioChoice choice() const;

 private:
  QCheckBox* doNotShow_;
  QPushButton* ok_;
  QPushButton* help_ = nullptr;
  bool helpPressed_ = false;
};

}  // namespace qp
