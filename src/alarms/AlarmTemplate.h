#pragma once

#include <cstdint>
#include <optional>

#include "alarms/AlarmRecord.h"
#include "common/SettingsStore.h"

namespace qp {

// The settings record "Alarm": the alarm last confirmed in the alarm dialog (244 bytes); a new
// alarm starts from its options.
struct AlarmTemplate {
  static constexpr const char* kValueName = "Alarm";

  // The stored template; nothing when it is missing or not exactly 244 bytes long.
  static std::optional<AlarmRecord> read(const SettingsStore& settings);
  static bool write(SettingsStore& settings, const AlarmRecord& record);

  // The record a note without an alarm starts from: the template's options, or the defaults
  // (one time only, tone, popup and replay every minute on); in both cases the next whole
  // hour after now on that hour's date, every weekday and month checked, no message.
  static AlarmRecord forNewAlarm(const SettingsStore& settings, std::int64_t now);
};

}  // namespace qp
