#pragma once

#include <functional>

#include "alarms/scheduling/AlarmUi.h"
#include "common/SettingsStore.h"
#include "common/StringTable.h"

class QWidget;

namespace qp::app {

// The alarm scheduler's windows in the desktop program. The popup of a firing alarm is a
// modal box with the note's message and "Snooze" / "Close" until the alarm windows of their
// own take its place; questions are message boxes under the product's name.
class ShellAlarmUi final : public AlarmUi {
 public:
  // settings: the snooze minutes (PlayAgain); both must outlive the object.
  ShellAlarmUi(const SettingsStore& settings, const StringTable& strings)
      : settings_(settings), strings_(strings) {}

  // Runs when a list shows notes whose alarms changed (the main window's list, when open).
  void setListRebuilder(std::function<void()> rebuild) { rebuild_ = std::move(rebuild); }

  AlarmPopupResult showPopup(const NoteEntry& note) override;
  AlarmDialogResult showAlarmDialog(const NoteEntry& note, AlarmRecord& record,
                                    bool prompt) override;
  bool askYesNo(const std::string& text, const std::string& caption) override;
  void rebuildNotesList() override;

 private:
  const SettingsStore& settings_;
  const StringTable& strings_;
  std::function<void()> rebuild_;
};

}  // namespace qp::app
