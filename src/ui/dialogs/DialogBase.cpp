#include "ui/dialogs/DialogBase.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <utility>

#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp {
namespace {

DialogBase::MessageHandler& handler() {
  static DialogBase::MessageHandler theHandler;
  return theHandler;
}

QMessageBox::Icon boxIcon(DialogBase::Icon icon) {
  switch (icon) {
    case DialogBase::Icon::Question:
      return QMessageBox::Question;
    case DialogBase::Icon::Warning:
      return QMessageBox::Warning;
    case DialogBase::Icon::Error:
      return QMessageBox::Critical;
    case DialogBase::Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

DialogBase::DialogBase(QWidget* owner) : QDialog(nullptr), owner_(owner) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setSizeGripEnabled(false);
}

int DialogBase::runModal() {
  QPointer<QWidget> previous = QApplication::activeWindow();
  QPointer<QWidget> owner = owner_;
  const bool ownerWasEnabled = owner != nullptr && owner->isEnabled();
  if (owner != nullptr) {
    owner->setEnabled(false);
  }
  setWindowModality(Qt::ApplicationModal);
  keepAboveOwner();
  adjustSize();
  placeOverOwner();
  const int result = exec();
  if (owner != nullptr && ownerWasEnabled) {
    owner->setEnabled(true);
  }
  if (previous != nullptr && previous != this) {
    previous->activateWindow();
  }
  return result;
}

void DialogBase::keepAboveOwner() {
  if (owner_ == nullptr || owner_->window()->windowHandle() == nullptr) {
    return;
  }
  winId();  // gives the dialog its native window
  if (QWindow* window = windowHandle(); window != nullptr) {
    window->setTransientParent(owner_->window()->windowHandle());
  }
}

void DialogBase::placeOverOwner() {
  QRect area;
  if (owner_ != nullptr && owner_->isVisible()) {
    area = owner_->window()->frameGeometry();
  } else if (const QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr) {
    area = screen->availableGeometry();
  }
  if (area.isValid()) {
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
  }
}

QString DialogBase::text(int id) {
  return QString::fromStdString(StringTable::active().text(id));
}

QString DialogBase::caption() {
  return QString::fromStdString(StringTable::active().text(StringId::kProductName, "Quillophone"));
}

void DialogBase::setMessageHandler(MessageHandler newHandler) {
  handler() = std::move(newHandler);
}

bool DialogBase::deliver(QWidget* parent, const Message& message) {
  if (handler()) {
    return handler()(message);
  }
  QMessageBox box(boxIcon(message.icon), message.caption, message.text,
                  message.question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
  box.setDefaultButton(message.question ? QMessageBox::Yes : QMessageBox::Ok);
  return box.exec() == (message.question ? QMessageBox::Yes : QMessageBox::Ok);
}

void DialogBase::message(QWidget* parent, const QString& text, Icon icon) {
  deliver(parent, Message{text, caption(), icon, false});
}

void DialogBase::message(QWidget* parent, int id, Icon icon) {
  message(parent, text(id), icon);
}

bool DialogBase::messageWithHelp(QWidget* parent, const QString& text) {
  return deliver(parent, Message{text, caption(), Icon::None, false, true});
}

bool DialogBase::ask(QWidget* parent, const QString& text, const QString& caption) {
  return deliver(parent, Message{text, caption.isEmpty() ? DialogBase::caption() : caption,
                                 Icon::Question, true});
}

QDialogButtonBox* DialogBase::makeButtons(int okId, int cancelId) {
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(text(okId), QDialogButtonBox::AcceptRole);
  buttons->addButton(text(cancelId), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  ok->setAutoDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  return buttons;
}

}  // namespace qp
