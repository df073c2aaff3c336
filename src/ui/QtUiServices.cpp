#include "ui/QtUiServices.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QObject>
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

// A task travelling to the UI thread in Qt's event queue, which keeps the order of posting.
class TaskEvent : public QEvent {
 public:
  static QEvent::Type kind() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
  }
  explicit TaskEvent(std::function<void()> task) : QEvent(kind()), task_(std::move(task)) {}
  void run() const { task_(); }

 private:
  std::function<void()> task_;
};

class TaskReceiver : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() != TaskEvent::kind()) {
      return QObject::event(event);
    }
    static_cast<TaskEvent*>(event)->run();
    return true;
  }
};

}  // namespace

QtUiServices::QtUiServices(QWidget* parent)
    : parent_(parent), receiver_(std::make_unique<TaskReceiver>()) {}

QtUiServices::~QtUiServices() = default;

void QtUiServices::postToUi(std::function<void()> task) {
  // Qt takes the event and deletes it once delivered, or with the receiver.
  QCoreApplication::postEvent(receiver_.get(), new TaskEvent(std::move(task)));
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
