#include "alarms/AlarmTemplate.h"

#include <vector>

#include "alarms/LocalTime.h"

namespace qp {
namespace {

AlarmRecord defaultOptions() {
  AlarmRecord r;
  r.schedule = AlarmRecord::kOneTime;
  r.monthlyMode = AlarmRecord::kDayOfMonth;
  r.dayOfMonth = 1;
  r.ordinal = 0;
  r.weekday = 1;  // Monday
  r.replayMinutes = 1;
  r.eraseAfterPlaying = 0;
  r.playTone = 1;
  r.showPopup = 1;
  r.replay = 1;
  return r;
}

}  // namespace

std::optional<AlarmRecord> AlarmTemplate::read(const SettingsStore& settings) {
  const std::optional<std::vector<std::uint8_t>> bytes = settings.readRecord(kValueName);
  if (!bytes || bytes->size() != AlarmRecord::kSize) {
    return std::nullopt;
  }
  return AlarmRecord::fromBytes(*bytes);
}

bool AlarmTemplate::write(SettingsStore& settings, const AlarmRecord& record) {
  const auto bytes = record.toBytes();
  return settings.writeRecord(kValueName, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

AlarmRecord AlarmTemplate::forNewAlarm(const SettingsStore& settings, std::int64_t now) {
  AlarmRecord r = read(settings).value_or(defaultOptions());
  const std::int64_t inAnHour = now + 3600;
  r.hour = LocalTime::fromTime(inAnHour).hour;
  r.minute = 0;
  r.second = 0;
  r.playOnDate = static_cast<std::int32_t>(LocalTime::midnightOf(inAnHour).value_or(inAnHour));
  r.weekdays.fill(1);
  r.months.fill(1);
  r.message.clear();
  return r;
}

}  // namespace qp
