#include "alarms/AlarmState.h"

namespace qp {

const char* alarmStateName(AlarmState state) {
  switch (state) {
    case AlarmState::Unset:
      return "Unset";
    case AlarmState::Inactive:
      return "Inactive";
    case AlarmState::Pending:
      return "Pending";
    case AlarmState::Today:
      return "Today";
    case AlarmState::Ringing:
      return "Ringing";
    case AlarmState::Snoozed:
      return "Snoozed";
    case AlarmState::Due:
      return "Due";
  }
  return "Unknown";
}

}  // namespace qp
