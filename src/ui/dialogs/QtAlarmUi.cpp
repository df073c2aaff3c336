#include "ui/dialogs/QtAlarmUi.h"

#include "ui/dialogs/AlarmDialog.h"
#include "ui/dialogs/AlarmPopup.h"
#include "ui/dialogs/DialogBase.h"

namespace qp {

AlarmPopupResult QtAlarmUi::showPopup(const NoteEntry& note) {
  AlarmPopup popup(note, settings_, clock_);
  return popup.exec();
}

AlarmDialogResult QtAlarmUi::showAlarmDialog(const NoteEntry& /*note*/, AlarmRecord& record,
                                             bool /*prompt*/) {
  AlarmDialog dialog(owner_, record, clock_);
  dialog.runModal();
  const AlarmDialogResult result = dialog.alarmResult();
  if (result == AlarmDialogResult::SetAlarm) {
    record = dialog.record();
  }
  return result;
}

bool QtAlarmUi::askYesNo(const std::string& text, const std::string& caption) {
  return DialogBase::ask(owner_, QString::fromStdString(text), QString::fromStdString(caption));
}

void QtAlarmUi::rebuildNotesList() {
  if (rebuild_) {
    rebuild_();
  }
}

}  // namespace qp
