#include "alarms/AlarmDialogRules.h"

#include <algorithm>

#include "alarms/AlarmRecurrence.h"
#include "alarms/LocalTime.h"

namespace qp {
namespace {

bool anyChecked(const auto& flags) {
  return std::any_of(flags.begin(), flags.end(), [](std::int32_t f) { return f != 0; });
}

}  // namespace

std::optional<std::string> AlarmDialogRules::rangeMessage(long value, long min, long max,
                                                          const StringTable& strings) {
  if (value >= min && value <= max) {
    return std::nullopt;
  }
  return StringTable::substitute(strings.text(StringId::kIntegerOutOfRange),
                                 {std::to_string(min), std::to_string(max)});
}

int AlarmDialogRules::scheduleMessageId(const AlarmRecord& record, std::int64_t now) {
  switch (record.schedule) {
    case AlarmRecord::kOneTime: {
      const std::int64_t secs =
          (std::int64_t{record.hour} * 60 + record.minute) * 60 + record.second;
      const std::optional<std::int64_t> day = LocalTime::midnightOf(record.playOnDate);
      const bool passed =
          !day || AlarmRecurrence::correctDaylightSaving(*day + secs, record.hour) < now;
      return passed ? kPassedMessage : 0;
    }
    case AlarmRecord::kWeekly:
      return anyChecked(record.weekdays) ? 0 : kNoWeekdayMessage;
    case AlarmRecord::kMonthly:
      return anyChecked(record.months) ? 0 : kNoMonthMessage;
    default:
      return 0;
  }
}

std::optional<std::string> AlarmDialogRules::check(const AlarmRecord& record, std::int64_t now,
                                                   const StringTable& strings) {
  // Both edits are checked whether or not they are enabled, as the dialog framework does.
  if (auto refusal =
          rangeMessage(record.replayMinutes, kMinReplayMinutes, kMaxReplayMinutes, strings)) {
    return refusal;
  }
  if (auto refusal = rangeMessage(record.dayOfMonth, kMinDay, kMaxDay, strings)) {
    return refusal;
  }
  if (const int id = scheduleMessageId(record, now)) {
    return strings.text(id);
  }
  return std::nullopt;
}

}  // namespace qp
