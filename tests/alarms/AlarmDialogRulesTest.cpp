// The checks of the alarm dialog's "Set Alarm".
#include <gtest/gtest.h>

#include "alarms/AlarmDialogRules.h"
#include "support/ScopedTimeZone.h"

namespace qp {
namespace {

using test::localTimeValue;

class AlarmDialogRulesTest : public ::testing::Test {
 protected:
  AlarmDialogRulesTest() {
    record_.hour = 14;
    record_.playOnDate = static_cast<std::int32_t>(localTimeValue(2026, 5, 4));
  }
  test::ScopedTimeZone zone_{"Europe/Berlin"};
  StringTable strings_{1033};
  AlarmRecord record_;
  std::int64_t now_ = localTimeValue(2026, 5, 4, 13, 59);
};

TEST_F(AlarmDialogRulesTest, OneTimeAlarmMustNotLieInThePast) {
  EXPECT_FALSE(AlarmDialogRules::check(record_, now_, strings_));
  EXPECT_FALSE(AlarmDialogRules::check(record_, localTimeValue(2026, 5, 4, 14), strings_));
  const auto refusal = AlarmDialogRules::check(record_, now_ + 61, strings_);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(*refusal,
            "The alarm date and time has already passed.\n\nPlease enter a new date and/or time.");
}

TEST_F(AlarmDialogRulesTest, WeeklyAndMonthlyNeedADayOrMonth) {
  record_.schedule = AlarmRecord::kWeekly;
  EXPECT_EQ(AlarmDialogRules::scheduleMessageId(record_, now_), 101);
  record_.weekdays[6] = 1;
  EXPECT_EQ(AlarmDialogRules::scheduleMessageId(record_, now_), 0);
  record_.schedule = AlarmRecord::kMonthly;
  EXPECT_EQ(*AlarmDialogRules::check(record_, now_, strings_),
            "You must specify at least one month.");
  record_.months[11] = 1;
  EXPECT_FALSE(AlarmDialogRules::check(record_, now_, strings_));
}

TEST_F(AlarmDialogRulesTest, RangesComeFirst) {
  record_.replayMinutes = 0;
  record_.schedule = AlarmRecord::kWeekly;  // no weekday either: the range is reported
  EXPECT_EQ(*AlarmDialogRules::check(record_, now_, strings_),
            "Please enter an integer between 1 and 60.");
  record_.replayMinutes = 60;
  record_.dayOfMonth = 32;
  EXPECT_EQ(*AlarmDialogRules::check(record_, now_, strings_),
            "Please enter an integer between 1 and 31.");
  EXPECT_TRUE(AlarmDialogRules::rangeMessage(61, 1, 60));
  EXPECT_FALSE(AlarmDialogRules::rangeMessage(1, 1, 60));
}

}  // namespace
}  // namespace qp
