// A note's alarm through its NoteEntry: load, save with and without recompute, disable.
#include <gtest/gtest.h>

#include <filesystem>

#include "alarms/AlarmFile.h"
#include "library/NoteAlarms.h"
#include "support/FakeClock.h"
#include "support/ScopedTimeZone.h"
#include "support/TempDir.h"

namespace qp {
namespace {

using test::localTimeValue;

class NoteAlarmsTest : public ::testing::Test {
 protected:
  NoteAlarmsTest() {
    entry_.path = dir_.file("Memo.wav");
    test::writeFileBytes(entry_.path, {1, 2, 3, 4});
  }
  AlarmRecord oneTimeAt(int hour) const {
    AlarmRecord r;
    r.hour = hour;
    r.playOnDate = static_cast<std::int32_t>(localTimeValue(2026, 5, 4));
    return r;
  }

  test::ScopedTimeZone zone_{"America/New_York"};
  test::TempDir dir_;
  test::FakeClock clock_{localTimeValue(2026, 5, 4, 9)};
  NoteEntry entry_;
};

TEST_F(NoteAlarmsTest, SaveCreatesTheAlarmFileAndLoadReadsIt) {
  EXPECT_FALSE(NoteAlarms::load(entry_, clock_.now()));
  EXPECT_FALSE(entry_.hasAlarm());
  EXPECT_TRUE(entry_.alarmPath.empty());

  ASSERT_TRUE(NoteAlarms::save(entry_, oneTimeAt(17), true, clock_.now()));
  EXPECT_EQ(entry_.alarmPath, dir_.file("Memo.alm"));
  EXPECT_EQ(entry_.alarm->state, AlarmState::Today);
  EXPECT_EQ(entry_.alarm->nextTime, localTimeValue(2026, 5, 4, 17));

  NoteEntry again;
  again.path = entry_.path;
  ASSERT_TRUE(NoteAlarms::load(again, clock_.now()));
  EXPECT_EQ(again.alarm, entry_.alarm);
  EXPECT_EQ(again.alarmPath, entry_.alarmPath);
}

TEST_F(NoteAlarmsTest, SaveWithoutRecomputeKeepsTheGivenState) {
  AlarmRecord ringing = oneTimeAt(8);
  ringing.state = AlarmState::Ringing;
  ASSERT_TRUE(NoteAlarms::save(entry_, ringing, false, clock_.now()));
  EXPECT_EQ(entry_.alarm->state, AlarmState::Ringing);
  EXPECT_EQ(AlarmRecord::fromBytes(test::readFileBytes(entry_.alarmPath))->state,
            AlarmState::Ringing);
}

TEST_F(NoteAlarmsTest, MissedAlarmIsDueOnLoadAndStaysDueUntilItFires) {
  ASSERT_TRUE(NoteAlarms::save(entry_, oneTimeAt(17), true, clock_.now()));
  clock_.set(localTimeValue(2026, 5, 5, 8));  // the program was not running at 17:00
  ASSERT_TRUE(NoteAlarms::load(entry_, clock_.now()));
  EXPECT_EQ(entry_.alarm->state, AlarmState::Due);
  clock_.advance(60);
  ASSERT_TRUE(NoteAlarms::load(entry_, clock_.now()));  // listing again must not lose it
  EXPECT_EQ(entry_.alarm->state, AlarmState::Due);
  // Fired: state Unset, saved with recompute.
  AlarmRecord fired = *entry_.alarm;
  fired.state = AlarmState::Unset;
  ASSERT_TRUE(NoteAlarms::save(entry_, fired, true, clock_.now()));
  EXPECT_EQ(entry_.alarm->state, AlarmState::Inactive);
}

TEST_F(NoteAlarmsTest, UnwritableFileForgetsTheAlarm) {
  entry_.path = dir_.file("gone/Memo.wav");
  EXPECT_FALSE(NoteAlarms::save(entry_, oneTimeAt(17), true, clock_.now()));
  EXPECT_FALSE(entry_.hasAlarm());
  EXPECT_TRUE(entry_.alarmPath.empty());
}

TEST_F(NoteAlarmsTest, DisableDeletesTheFile) {
  ASSERT_TRUE(NoteAlarms::save(entry_, oneTimeAt(17), true, clock_.now()));
  EXPECT_TRUE(NoteAlarms::remove(entry_));
  EXPECT_FALSE(entry_.hasAlarm());
  EXPECT_FALSE(std::filesystem::exists(dir_.file("Memo.alm")));
  EXPECT_TRUE(std::filesystem::exists(entry_.path));
}

}  // namespace
}  // namespace qp
