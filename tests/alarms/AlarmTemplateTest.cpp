// The alarm template in the settings and the record a new alarm starts from.
#include <gtest/gtest.h>

#include "alarms/AlarmTemplate.h"
#include "common/MemorySettingsStore.h"
#include "support/ScopedTimeZone.h"

namespace qp {
namespace {

using test::localTimeValue;

TEST(AlarmTemplateTest, StoredAsExactly244Bytes) {
  MemorySettingsStore settings;
  EXPECT_FALSE(AlarmTemplate::read(settings));
  AlarmRecord r;
  r.hour = 6;
  r.schedule = AlarmRecord::kMonthly;
  r.message = "Rent";
  ASSERT_TRUE(AlarmTemplate::write(settings, r));
  const auto bytes = settings.readRecord("Alarm");
  ASSERT_TRUE(bytes);
  ASSERT_EQ(bytes->size(), 244u);
  EXPECT_EQ(AlarmTemplate::read(settings), r);
  // A record of any other length, or a value of another kind, is no template.
  settings.writeRecord("Alarm", std::vector<std::uint8_t>(240));
  EXPECT_FALSE(AlarmTemplate::read(settings));
  settings.writeNumber("Alarm", 1);
  EXPECT_FALSE(AlarmTemplate::read(settings));
}

TEST(AlarmTemplateTest, NewAlarmStartsAtTheNextWholeHour) {
  test::ScopedTimeZone zone("Europe/Berlin");
  MemorySettingsStore settings;
  AlarmRecord r = AlarmTemplate::forNewAlarm(settings, localTimeValue(2026, 5, 4, 10, 20, 5));
  EXPECT_EQ(r.hour, 11);
  EXPECT_EQ(r.minute, 0);
  EXPECT_EQ(r.second, 0);
  EXPECT_EQ(r.playOnDate, localTimeValue(2026, 5, 4));
  EXPECT_EQ(r.schedule, AlarmRecord::kOneTime);
  EXPECT_EQ(r.weekday, 1);
  EXPECT_EQ(r.playTone, 1);
  EXPECT_EQ(r.showPopup, 1);
  EXPECT_EQ(r.replay, 1);
  EXPECT_EQ(r.replayMinutes, 1);
  EXPECT_EQ(r.weekdays, (std::array<std::int32_t, 7>{1, 1, 1, 1, 1, 1, 1}));
  // Late in the evening the next hour is on the next date, at the end of a month too.
  r = AlarmTemplate::forNewAlarm(settings, localTimeValue(2026, 5, 31, 23, 30));
  EXPECT_EQ(r.hour, 0);
  EXPECT_EQ(r.playOnDate, localTimeValue(2026, 6, 1));
}

TEST(AlarmTemplateTest, NewAlarmKeepsTheTemplatesOptions) {
  test::ScopedTimeZone zone("Europe/Berlin");
  MemorySettingsStore settings;
  AlarmRecord stored;
  stored.schedule = AlarmRecord::kWeekly;
  stored.weekdays = {0, 1, 0, 0, 0, 0, 0};
  stored.replayMinutes = 15;
  stored.playTone = 0;
  stored.message = "Old message";
  AlarmTemplate::write(settings, stored);
  const AlarmRecord r = AlarmTemplate::forNewAlarm(settings, localTimeValue(2026, 5, 4, 10));
  EXPECT_EQ(r.schedule, AlarmRecord::kWeekly);
  EXPECT_EQ(r.replayMinutes, 15);
  EXPECT_EQ(r.playTone, 0);
  EXPECT_EQ(r.weekdays[0], 1);
  EXPECT_EQ(r.message, "");
  EXPECT_EQ(r.hour, 11);
}

}  // namespace
}  // namespace qp
