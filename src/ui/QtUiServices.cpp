#include "ui/QtUiServices.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <utility>

#include "common/StringIds.h"
#include "common/StringTable.h"
#include "ui/dialogs/NoAudioDialogView.h"

namespace qp {
namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

QString caption() {
  return qs(StringTable::active().text(StringId::kProductName, "Quillophone"));
}

}  // namespace

void QtUiServices::postToUi(std::function<void()> task) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) {
    return;
  }
  QMetaObject::invokeMethod(app, std::move(task), Qt::QueuedConnection);
}

void QtUiServices::showMessage(const std::string& text) {
  QMessageBox::warning(parent_, caption(), qs(text));
}

bool QtUiServices::askYesNo(const std::string& text) {
  return QMessageBox::question(parent_, caption(), qs(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

NoAudioChoice QtUiServices::showNoAudioDialog(const std::string& text, bool showHelp) {
  NoAudioDialogView dialog(parent_, qs(text), showHelp);
  dialog.runModal();
  return dialog.choice();
}

}  // namespace qp
