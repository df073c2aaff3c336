#include "app/ShellAlarmUi.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "common/StringIds.h"

namespace qp::app {
namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

AlarmPopupResult ShellAlarmUi::showPopup(const NoteEntry& note) {
  AlarmPopupResult result;
  result.snoozeMinutes = settings_.readNumber("PlayAgain", 10);
  const std::string message = note.alarm ? note.alarm->message : std::string();
  QMessageBox box(QMessageBox::Information, qs(strings_.text(StringId::kAlarmTitle, "Alarm")),
                  qs(note.displayName + (message.empty() ? "" : "\n\n" + message)));
  QPushButton* snooze = box.addButton(QCoreApplication::translate("ShellAlarmUi", "&Snooze"),
                                      QMessageBox::ActionRole);
  box.addButton(QMessageBox::Close);
  box.exec();
  result.snooze = box.clickedButton() == snooze;
  return result;
}

AlarmDialogResult ShellAlarmUi::showAlarmDialog(const NoteEntry& /*note*/, AlarmRecord& /*record*/,
                                                bool /*prompt*/) {
  return AlarmDialogResult::Cancel;
}

bool ShellAlarmUi::askYesNo(const std::string& text, const std::string& caption) {
  return QMessageBox::question(nullptr, qs(caption), qs(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

void ShellAlarmUi::rebuildNotesList() {
  if (rebuild_) {
    rebuild_();
  }
}

}  // namespace qp::app
