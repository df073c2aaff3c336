#include "ui/QtUiServices.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QPushButton>
#include <utility>

#include "common/StringIds.h"
#include "common/StringTable.h"

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
  QMessageBox box(QMessageBox::Warning, caption(), qs(text), QMessageBox::Ok, parent_);
  auto* check =
      new QCheckBox(QCoreApplication::translate("QtUiServices", "&Do not show this message again"));
  box.setCheckBox(check);
  QPushButton* help = showHelp ? box.addButton(QMessageBox::Help) : nullptr;
  box.exec();
  NoAudioChoice choice;
  choice.doNotShowAgain = check->isChecked();
  choice.help = help != nullptr && box.clickedButton() == help;
  return choice;
}

}  // namespace qp
