#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

#include "alarms/scheduling/AlarmUi.h"
#include "common/Clock.h"
#include "common/SettingsStore.h"

namespace qp {

// The alarm code's windows on the desktop: the alarm popup, the alarm dialog (over the main
// window when it is open) and questions. UI thread only.
class QtAlarmUi : public AlarmUi {
 public:
  // settings and clock must outlive the object.
  QtAlarmUi(SettingsStore& settings, const Clock& clock) : settings_(settings), clock_(clock) {}

  // The window dialogs are modal to (null: none, as while only the tray icon shows).
  void setOwner(QWidget* owner) { owner_ = owner; }
  // What rebuildNotesList does (the main window's list refresh; nothing by default).
  void setRebuildNotesList(std::function<void()> rebuild) { rebuild_ = std::move(rebuild); }

  AlarmPopupResult showPopup(const NoteEntry& note) override;
  AlarmDialogResult showAlarmDialog(const NoteEntry& note, AlarmRecord& record,
                                    bool prompt) override;
  bool askYesNo(const std::string& text, const std::string& caption) override;
  void rebuildNotesList() override;

 private:
  SettingsStore& settings_;
  const Clock& clock_;
  QPointer<QWidget> owner_;
  std::function<void()> rebuild_;
};

}  // namespace qp
