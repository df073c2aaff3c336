#pragma once

#include <cstdint>

namespace qp {

// Where an alarm stands; stored as a signed 32-bit value in the alarm record.
enum class AlarmState : std::int32_t {
  Unset = -1,    // being recomputed
  Inactive = 0,  // nothing left to fire (e.g. a one-time alarm already past or played)
  Pending = 1,   // next occurrence on a later day
  Today = 2,     // next occurrence today; also marks an armed alarm
  Ringing = 3,   // fired, its popup is open
  Snoozed = 4,   // fires again at snoozeUntil
  Due = 5,       // its time passed without firing
};

// "Unset", "Inactive", ... "Due"; "Unknown" for a stored value outside the enumeration.
const char* alarmStateName(AlarmState state);

}  // namespace qp
