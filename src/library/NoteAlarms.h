#pragma once

#include <cstdint>

#include "alarms/AlarmRecord.h"
#include "library/NoteEntry.h"

namespace qp {

// The alarm of a note as its NoteEntry holds it (alarm and alarmPath) and as its alarm file
// stores it. "now" is a time value from the caller's Clock.
struct NoteAlarms {
  // Reads the note's alarm file (converting a legacy record and bringing the state up to date,
  // which may rewrite the file) into entry.alarm and entry.alarmPath; clears both when the
  // note has no valid alarm file. True when the note has an alarm.
  static bool load(NoteEntry& entry, std::int64_t now);

  // Gives the note the record: recomputes nextTime and state first when recompute is set,
  // keeps it in the entry and writes the 244-byte file (creating it for a new alarm). When the
  // file cannot be written the entry forgets its alarm and the result is false.
  static bool save(NoteEntry& entry, AlarmRecord record, bool recompute, std::int64_t now);

  // "Disable Alarm": deletes the alarm file and forgets the alarm. False when the file could
  // not be deleted (the entry forgets the alarm all the same).
  static bool remove(NoteEntry& entry);
};

}  // namespace qp
