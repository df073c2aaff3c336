#include "library/NoteAlarms.h"

#include <optional>

#include "alarms/AlarmFile.h"
#include "alarms/AlarmRecurrence.h"

namespace qp {
namespace {

void forget(NoteEntry& entry) {
  entry.alarm.reset();
  entry.alarmPath.clear();
}

}  // namespace

bool NoteAlarms::load(NoteEntry& entry, std::int64_t now) {
  const std::string path = AlarmFile::pathForNote(entry.path);
  std::optional<AlarmRecord> record = AlarmFile::load(path, now);
  if (!record) {
    forget(entry);
    return false;
  }
  entry.alarm = std::move(record);
  entry.alarmPath = path;
  return true;
}

bool NoteAlarms::save(NoteEntry& entry, AlarmRecord record, bool recompute, std::int64_t now) {
  if (entry.alarmPath.empty()) {
    entry.alarmPath = AlarmFile::pathForNote(entry.path);
  }
  if (recompute) {
    AlarmRecurrence::updateState(record, now);
  }
  entry.alarm = record;
  if (!AlarmFile::save(entry.alarmPath, record)) {
    forget(entry);
    return false;
  }
  return true;
}

bool NoteAlarms::remove(NoteEntry& entry) {
  const bool removed = entry.alarmPath.empty() || AlarmFile::remove(entry.alarmPath);
  forget(entry);
  return removed;
}

}  // namespace qp
