#pragma once

#include <string>

#include "alarms/scheduling/AlarmUi.h"
#include "alarms/scheduling/DeviceAlarmSounds.h"
#include "cli/CliTimerLoop.h"
#include "cli/Terminal.h"
#include "common/SettingsStore.h"

namespace qp::cli {

// The alarm windows of `alarms --watch` on the terminal. Each firing alarm prints a line on
// standard output: "fired<TAB>path". A popup prints "popup<TAB>path<TAB>message" and waits,
// while other timers keep firing, for Enter (Close), "s" and Enter (Snooze for the PlayAgain
// minutes), the end of input (Close), or with autoClose for the note to finish playing.
class CliAlarmUi final : public AlarmUi {
 public:
  CliAlarmUi(CliTimerLoop& loop, DeviceAlarmSounds& sounds, const SettingsStore& settings,
             Terminal& terminal, bool autoClose);

  AlarmPopupResult showPopup(const NoteEntry& note) override;
  AlarmDialogResult showAlarmDialog(const NoteEntry& note, AlarmRecord& record,
                                    bool prompt) override;
  bool askYesNo(const std::string& text, const std::string& caption) override;
  void rebuildNotesList() override {}
  void alarmFired(const NoteEntry& note) override;

 private:
  // A line from standard input if one is complete; false meanwhile. eof is set at its end.
  bool pollLine(std::string& line, bool& eof);

  CliTimerLoop& loop_;
  DeviceAlarmSounds& sounds_;
  const SettingsStore& settings_;
  Terminal& terminal_;
  bool autoClose_;
  std::string pending_;
  bool inputEnded_ = false;
};

}  // namespace qp::cli
