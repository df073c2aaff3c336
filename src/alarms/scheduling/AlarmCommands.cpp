#include "alarms/scheduling/AlarmCommands.h"

#include "alarms/AlarmTemplate.h"
#include "common/StringIds.h"
#include "library/NoteAlarms.h"

namespace qp {

AlarmCommands::AlarmCommands(SettingsStore& settings, const StringTable& strings,
                             const Clock& clock, AlarmUi& ui, AlarmScheduler& scheduler)
    : settings_(settings), strings_(strings), clock_(clock), ui_(ui), scheduler_(scheduler) {}

AlarmRecord AlarmCommands::workingRecord(const NoteEntry& note) const {
  if (note.alarm) {
    return *note.alarm;
  }
  return AlarmTemplate::forNewAlarm(settings_, clock_.now());
}

void AlarmCommands::setAlarm(NoteEntry& note, const AlarmRecord& record) {
  AlarmTemplate::write(settings_, record);
  NoteAlarms::save(note, record, true, clock_.now());
}

AlarmDialogResult AlarmCommands::editAlarm(NoteEntry& note) {
  AlarmRecord record = workingRecord(note);
  const AlarmDialogResult result = ui_.showAlarmDialog(note, record, false);
  if (result == AlarmDialogResult::SetAlarm) {
    setAlarm(note, record);
  } else if (result == AlarmDialogResult::DisableAlarm) {
    NoteAlarms::remove(note);
  } else {
    return result;
  }
  scheduler_.rearm();
  return result;
}

AlarmDialogResult AlarmCommands::promptForAlarm(NoteEntry& note) {
  AlarmRecord record = AlarmTemplate::forNewAlarm(settings_, clock_.now());
  const AlarmDialogResult result = ui_.showAlarmDialog(note, record, true);
  if (result == AlarmDialogResult::SetAlarm) {
    setAlarm(note, record);
    scheduler_.rearm();
  }
  return result;
}

bool AlarmCommands::confirmCloseWithAlarms(bool fromCloseCommand, bool trayMode) {
  if (fromCloseCommand && trayMode) {
    return true;
  }
  if (scheduler_.armedCount() <= 0) {
    return true;
  }
  return ui_.askYesNo(strings_.text(StringId::kCloseWithAlarmsQuestion),
                      strings_.text(StringId::kProductName));
}

}  // namespace qp
