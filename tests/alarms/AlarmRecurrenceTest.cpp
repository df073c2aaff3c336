// Next-occurrence and state arithmetic of alarms, under fixed time zones with daylight saving.
#include <gtest/gtest.h>

#include "alarms/AlarmRecurrence.h"
#include "alarms/LocalTime.h"
#include "support/ScopedTimeZone.h"

namespace qp {
namespace {

using test::localTimeValue;
using test::ScopedTimeZone;

AlarmRecord at(int hour, int minute = 0, int second = 0) {
  AlarmRecord r;
  r.hour = hour;
  r.minute = minute;
  r.second = second;
  return r;
}

AlarmRecord weeklyAt(int hour, int minute, std::initializer_list<int> days) {
  AlarmRecord r = at(hour, minute);
  r.schedule = AlarmRecord::kWeekly;
  for (int d : days) {
    r.weekdays[static_cast<std::size_t>(d)] = 1;
  }
  return r;
}

AlarmRecord monthlyOnDay(int hour, int day, std::initializer_list<int> months) {
  AlarmRecord r = at(hour);
  r.schedule = AlarmRecord::kMonthly;
  r.monthlyMode = AlarmRecord::kDayOfMonth;
  r.dayOfMonth = day;
  for (int m : months) {
    r.months[static_cast<std::size_t>(m - 1)] = 1;
  }
  return r;
}

AlarmRecord monthlyNth(int hour, int minute, int ordinal, int weekday, int month) {
  AlarmRecord r = monthlyOnDay(hour, 1, {month});
  r.minute = minute;
  r.monthlyMode = AlarmRecord::kNthWeekday;
  r.ordinal = ordinal;
  r.weekday = weekday;
  return r;
}

constexpr int kSunday = 0, kMonday = 1, kThursday = 4, kFriday = 5;

class AlarmScheduleTest : public ::testing::Test {
 protected:
  ScopedTimeZone zone_{"Europe/Berlin"};
};

TEST_F(AlarmScheduleTest, WeeklyPicksTheNextCheckedDay) {
  AlarmRecord r = weeklyAt(8, 0, {kMonday, kThursday});
  // Monday 4 May 2026, after the alarm time: Thursday's occurrence, on a later day.
  EXPECT_TRUE(AlarmRecurrence::updateState(r, localTimeValue(2026, 5, 4, 9)));
  EXPECT_EQ(r.nextTime, localTimeValue(2026, 5, 7, 8));
  EXPECT_EQ(r.state, AlarmState::Pending);
  // Before the alarm time: today.
  AlarmRecurrence::updateState(r, localTimeValue(2026, 5, 4, 7));
  EXPECT_EQ(r.nextTime, localTimeValue(2026, 5, 4, 8));
  EXPECT_EQ(r.state, AlarmState::Today);
  // Exactly at the alarm time the occurrence counts as passed.
  AlarmRecurrence::updateState(r, localTimeValue(2026, 5, 4, 8));
  EXPECT_EQ(r.nextTime, localTimeValue(2026, 5, 7, 8));
}

TEST_F(AlarmScheduleTest, WeeklyOnlyTodayGoesToNextWeek) {
  AlarmRecord r = weeklyAt(8, 0, {kMonday});
  AlarmRecurrence::updateState(r, localTimeValue(2026, 5, 4, 9));
  EXPECT_EQ(r.nextTime, localTimeValue(2026, 5, 11, 8));
  EXPECT_EQ(r.state, AlarmState::Pending);
  // Across the end of a month and a year.
  AlarmRecurrence::updateState(r, localTimeValue(2026, 12, 28, 9));
  EXPECT_EQ(r.nextTime, localTimeValue(2027, 1, 4, 8));
}

TEST_F(AlarmScheduleTest, WeeklyWithoutDaysHasNoOccurrence) {
  AlarmRecord r = weeklyAt(8, 0, {});
  r.state = AlarmState::Pending;
  AlarmRecurrence::updateState(r, localTimeValue(2026, 5, 4, 9));
  EXPECT_EQ(r.nextTime, 0);
  EXPECT_EQ(r.state, AlarmState::Due);
}

TEST_F(AlarmScheduleTest, WeeklyKeepsItsTimeOfDayAcrossDaylightSavingChanges) {
  // Clocks go forward on Sunday 29 March 2026 and back on Sunday 25 October 2026.
  AlarmRecord r = weeklyAt(8, 0, {kSunday, kMonday});
  AlarmRecurrence::updateState(r, localTimeValue(2026, 3, 28, 12));
  EXPECT_EQ(r.nextTime, localTimeValue(2026, 3, 29, 8));
  AlarmRecurrence::updateState(r, localTimeValue(2026, 3, 29, 9));
  EXPECT_EQ(r.nextTime, localTimeValue(2026, 3, 30, 8));
  AlarmRecurrence::updateState(r, localTimeValue(2026, 10, 24, 12));
  EXPECT_EQ(r.nextTime, localTimeValue(2026, 10, 25, 8));
  // The same weekday next week, when a change lies in between.
  AlarmRecord sundays = weeklyAt(8, 0, {kSunday});
  AlarmRecurrence::updateState(sundays, localTimeValue(2026, 3, 22, 9));
  EXPECT_EQ(sundays.nextTime, localTimeValue(2026, 3, 29, 8));
  AlarmRecurrence::updateState(sundays, localTimeValue(2026, 10, 18, 9));
  EXPECT_EQ(sundays.nextTime, localTimeValue(2026, 10, 25, 8));
}

TEST_F(AlarmScheduleTest, DaylightSavingCorrectionNeverChangesTheDay) {
  // Near midnight the shifted hour wraps round the clock; the alarm must stay on its day.
  AlarmRecord late = weeklyAt(23, 30, {kSunday});
  AlarmRecurrence::updateState(late, localTimeValue(2026, 3, 28, 12));
  EXPECT_EQ(late.nextTime, localTimeValue(2026, 3, 29, 23, 30));
  AlarmRecord early = weeklyAt(0, 30, {kMonday});
  AlarmRecurrence::updateState(early, localTimeValue(2026, 10, 24, 12));
  EXPECT_EQ(early.nextTime, localTimeValue(2026, 10, 26, 0, 30));
}

TEST_F(AlarmScheduleTest, MonthlyDayPastTheMonthEndRollsOver) {
  AlarmRecord r = monthlyOnDay(7, 31, {4});
  AlarmRecurrence::updateState(r, localTimeValue(2026, 2, 10, 12));
  EXPECT_EQ(r.nextTime, localTimeValue(2026, 5, 1, 7));
  EXPECT_EQ(r.state, AlarmState::Pending);
}

TEST_F(AlarmScheduleTest, MonthlyDayThatPassedGoesToNextYear) {
  AlarmRecord r = monthlyOnDay(9, 15, {6});
  AlarmRecurrence::updateState(r, localTimeValue(2026, 6, 20, 10));
  EXPECT_EQ(r.nextTime, localTimeValue(2027, 6, 15, 9));
  // Another checked month later in the year wins over next year's June.
  r.months[9] = 1;
  AlarmRecurrence::updateState(r, localTimeValue(2026, 6, 20, 10));
  EXPECT_EQ(r.nextTime, localTimeValue(2026, 10, 15, 9));
  // From December into January of the next year.
  AlarmRecord yearEnd = monthlyOnDay(9, 31, {1, 12});
  AlarmRecurrence::updateState(yearEnd, localTimeValue(2026, 12, 31, 10));
  EXPECT_EQ(yearEnd.nextTime, localTimeValue(2027, 1, 31, 9));
}

TEST_F(AlarmScheduleTest, MonthlyFebruary29thFollowsLeapYears) {
  AlarmRecord r = monthlyOnDay(6, 29, {2});
  AlarmRecurrence::updateState(r, localTimeValue(2027, 3, 1, 12));
  EXPECT_EQ(r.nextTime, localTimeValue(2028, 2, 29, 6));
  AlarmRecurrence::updateState(r, localTimeValue(2026, 3, 1, 12));
  EXPECT_EQ(r.nextTime, localTimeValue(2027, 3, 1, 6));  // 2027 has no 29 February
}

TEST_F(AlarmScheduleTest, NthWeekdayOfMonth) {
  constexpr int kFri = kFriday + 1, kSun = kSunday + 1;
  // January 2026 has five Fridays, February four.
  EXPECT_EQ(AlarmRecurrence::nthWeekdayOfMonth(2026, 1, kFri, 4), localTimeValue(2026, 1, 30));
  EXPECT_EQ(AlarmRecurrence::nthWeekdayOfMonth(2026, 2, kFri, 4), localTimeValue(2026, 2, 27));
  EXPECT_EQ(AlarmRecurrence::nthWeekdayOfMonth(2026, 2, kFri, 3), localTimeValue(2026, 2, 27));
  EXPECT_EQ(AlarmRecurrence::nthWeekdayOfMonth(2026, 2, kFri, 0), localTimeValue(2026, 2, 6));
  EXPECT_EQ(AlarmRecurrence::nthWeekdayOfMonth(2026, 3, kSun, 0), localTimeValue(2026, 3, 1));
  // February with four Sundays, and a leap February with five.
  EXPECT_EQ(AlarmRecurrence::nthWeekdayOfMonth(2015, 2, kSun, 4), localTimeValue(2015, 2, 22));
  EXPECT_EQ(AlarmRecurrence::nthWeekdayOfMonth(2032, 2, kSun, 4), localTimeValue(2032, 2, 29));
  // The last Sundays of March and October are the days the clocks change.
  EXPECT_EQ(AlarmRecurrence::nthWeekdayOfMonth(2026, 3, kSun, 4), localTimeValue(2026, 3, 29));
  EXPECT_EQ(AlarmRecurrence::nthWeekdayOfMonth(2026, 10, kSun, 4), localTimeValue(2026, 10, 25));
  EXPECT_FALSE(AlarmRecurrence::nthWeekdayOfMonth(2026, 1, 0, 0));
  EXPECT_FALSE(AlarmRecurrence::nthWeekdayOfMonth(2026, 1, 8, 0));
  EXPECT_FALSE(AlarmRecurrence::nthWeekdayOfMonth(2026, 1, 1, 5));
}

TEST_F(AlarmScheduleTest, MonthlyNthWeekdayOnChangeDays) {
  AlarmRecord lastSunday = monthlyNth(8, 0, 4, kSunday, 10);
  AlarmRecurrence::updateState(lastSunday, localTimeValue(2026, 10, 1, 12));
  EXPECT_EQ(lastSunday.nextTime, localTimeValue(2026, 10, 25, 8));
  AlarmRecord lateLastSunday = monthlyNth(23, 30, 4, kSunday, 3);
  AlarmRecurrence::updateState(lateLastSunday, localTimeValue(2026, 3, 1, 12));
  EXPECT_EQ(lateLastSunday.nextTime, localTimeValue(2026, 3, 29, 23, 30));
}

TEST_F(AlarmScheduleTest, NewYorkChangeDays) {
  ScopedTimeZone newYork("America/New_York");
  // Clocks go forward on Sunday 8 March 2026 and back on Sunday 1 November 2026.
  AlarmRecord firstSunday = monthlyNth(8, 0, 0, kSunday, 11);
  AlarmRecurrence::updateState(firstSunday, localTimeValue(2026, 10, 20, 12));
  EXPECT_EQ(firstSunday.nextTime, localTimeValue(2026, 11, 1, 8));
  EXPECT_EQ(LocalTime::fromTime(firstSunday.nextTime).hour, 8);
  AlarmRecord sundays = weeklyAt(7, 15, {kSunday});
  AlarmRecurrence::updateState(sundays, localTimeValue(2026, 3, 1, 9));
  EXPECT_EQ(sundays.nextTime, localTimeValue(2026, 3, 8, 7, 15));
  AlarmRecord once = at(18, 45);
  once.playOnDate = static_cast<std::int32_t>(localTimeValue(2026, 11, 1, 12));
  AlarmRecurrence::updateState(once, localTimeValue(2026, 10, 31, 12));
  EXPECT_EQ(once.nextTime, localTimeValue(2026, 11, 1, 18, 45));
}

TEST_F(AlarmScheduleTest, OneTimeAlarmStates) {
  AlarmRecord r = at(18, 30);
  r.playOnDate = static_cast<std::int32_t>(localTimeValue(2026, 3, 29, 15));  // any time that day
  AlarmRecurrence::updateState(r, localTimeValue(2026, 3, 29, 9));
  EXPECT_EQ(r.nextTime, localTimeValue(2026, 3, 29, 18, 30));
  EXPECT_EQ(r.state, AlarmState::Today);
  AlarmRecurrence::updateState(r, localTimeValue(2026, 3, 28, 9));
  EXPECT_EQ(r.state, AlarmState::Pending);
  // Passed while it was armed: Due, and it stays Due until it has fired.
  EXPECT_TRUE(AlarmRecurrence::updateState(r, localTimeValue(2026, 3, 30, 9)));
  EXPECT_EQ(r.state, AlarmState::Due);
  EXPECT_EQ(r.nextTime, localTimeValue(2026, 3, 29, 18, 30));
  EXPECT_FALSE(AlarmRecurrence::updateState(r, localTimeValue(2026, 3, 30, 10)));
  EXPECT_EQ(r.state, AlarmState::Due);
  // Fired (Unset) or never armed: Inactive.
  r.state = AlarmState::Unset;
  AlarmRecurrence::updateState(r, localTimeValue(2026, 3, 30, 10));
  EXPECT_EQ(r.state, AlarmState::Inactive);
  r.state = AlarmState::Ringing;
  AlarmRecurrence::updateState(r, localTimeValue(2026, 3, 30, 10));
  EXPECT_EQ(r.state, AlarmState::Inactive);
}

TEST_F(AlarmScheduleTest, SnoozedAlarmKeepsItsSnoozeTime) {
  AlarmRecord r = at(8);
  r.playOnDate = static_cast<std::int32_t>(localTimeValue(2026, 5, 4));
  r.state = AlarmState::Snoozed;
  r.snoozeUntil = static_cast<std::int32_t>(localTimeValue(2026, 5, 4, 8, 10));
  EXPECT_FALSE(AlarmRecurrence::updateState(r, localTimeValue(2026, 5, 4, 8, 1)));
  EXPECT_EQ(r.state, AlarmState::Snoozed);
  EXPECT_EQ(r.nextTime, r.snoozeUntil);
  // The snooze ran out while nothing was running: recomputed like any other alarm.
  EXPECT_TRUE(AlarmRecurrence::updateState(r, localTimeValue(2026, 5, 4, 8, 10)));
  EXPECT_EQ(r.state, AlarmState::Inactive);
  EXPECT_EQ(r.nextTime, localTimeValue(2026, 5, 4, 8));
}

TEST_F(AlarmScheduleTest, OutOfRangeFieldsGiveNoOccurrence) {
  const std::int64_t now = localTimeValue(2026, 5, 4, 9);
  AlarmRecord badHour = weeklyAt(24, 0, {kMonday});
  AlarmRecord badMinute = weeklyAt(8, 60, {kMonday});
  AlarmRecord badSchedule = at(8);
  badSchedule.schedule = 3;
  AlarmRecord badDay = monthlyOnDay(8, 0, {5});
  AlarmRecord badOrdinal = monthlyNth(8, 0, 5, kMonday, 5);
  AlarmRecord badWeekday = monthlyNth(8, 0, 0, 7, 5);
  AlarmRecord badMode = monthlyOnDay(8, 10, {5});
  badMode.monthlyMode = 2;
  for (AlarmRecord* r :
       {&badHour, &badMinute, &badSchedule, &badDay, &badOrdinal, &badWeekday, &badMode}) {
    AlarmRecurrence::updateState(*r, now);
    EXPECT_EQ(r->nextTime, 0);
    EXPECT_EQ(r->state, AlarmState::Inactive);
  }
}

}  // namespace
}  // namespace qp
