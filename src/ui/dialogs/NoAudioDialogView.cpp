#include "ui/dialogs/NoAudioDialogView.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/StringIds.h"

namespace qp {

NoAudioDialogView::NoAudioDialogView(QWidget* owner, const QString& text, bool showHelp)
    : DialogBase(owner),
      doNotShow_(new QCheckBox(DialogBase::text(StringId::kDoNotShowAgain), this)),
      ok_(new QPushButton(DialogBase::text(StringId::kOkButton), this)) {
  setWindowTitle(caption());
  auto* message = new QLabel(text, this);
  message->setWordWrap(true);
  message->setMinimumWidth(message->fontMetrics().averageCharWidth() * 50);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
  ok_->setDefault(true);
  if (showHelp) {
    help_ = new QPushButton(DialogBase::text(StringId::kHelpButton), this);
    help_->setAutoDefault(false);
    buttons->addButton(help_, QDialogButtonBox::HelpRole);
    connect(help_, &QPushButton::clicked, this, [this] {
      helpPressed_ = true;
      accept();
    });
  }
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(message);
  layout->addWidget(doNotShow_);
  layout->addWidget(buttons);
  ok_->setFocus();
}

NoAudioChoice NoAudioDialogView::choice() const {
  NoAudioChoice chosen;
  chosen.doNotShowAgain = doNotShow_->isChecked();
  chosen.help = helpPressed_;
  return chosen;
}

}  // namespace qp
