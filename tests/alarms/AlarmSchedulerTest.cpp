// The alarm scheduler over real alarm files, with a fake clock, fake timers and fake sounds.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "alarms/AlarmFile.h"
#include "alarms/scheduling/AlarmScheduler.h"
#include "common/MemorySettingsStore.h"
#include "support/AlarmFakes.h"
#include "support/FakeClock.h"
#include "support/ScopedTimeZone.h"
#include "support/TempDir.h"

namespace qp {
namespace {

using test::FakeSounds;
using test::FakeTimers;
using test::localTimeValue;
using test::NoTrash;
using test::ScriptedUi;

class AlarmSchedulerTest : public ::testing::Test {
 protected:
  AlarmSchedulerTest() { std::filesystem::create_directory(dir_.path() / "Alarms"); }

  std::string note(const std::string& name) const { return dir_.file("Alarms/" + name + ".wav"); }
  // A note with an alarm file holding record (as the dialog would store it).
  std::string addNote(const std::string& name, AlarmRecord record) {
    const std::string path = note(name);
    test::writeFileBytes(path, std::vector<std::uint8_t>(64, 0));
    AlarmFile::save(AlarmFile::pathForNote(path), record);
    return path;
  }
  AlarmRecord oneTime(int day, int hour, int minute = 0) const {
    AlarmRecord r;
    r.hour = hour;
    r.minute = minute;
    r.playOnDate = static_cast<std::int32_t>(localTimeValue(2026, 5, day));
    r.state = AlarmState::Pending;
    return r;
  }
  AlarmRecord storedAlarm(const std::string& path) const {
    return *AlarmRecord::fromBytes(test::readFileBytes(AlarmFile::pathForNote(path)));
  }
  int alarmTimer(const std::string& path) const {
    return AlarmScheduler::kFirstAlarmTimer + scheduler_.slotOf(path);
  }

  test::ScopedTimeZone zone_{"Europe/Berlin"};
  test::TempDir dir_;
  test::FakeClock clock_{localTimeValue(2026, 5, 4, 12)};
  MemorySettingsStore settings_;
  StringTable strings_{1033};
  FakeTimers timers_{clock_};
  FakeSounds sounds_{clock_};
  ScriptedUi ui_;
  NoTrash trash_;
  AlarmScheduler scheduler_{dir_.path().string(),
                            {settings_, strings_, clock_, timers_, sounds_, ui_, trash_}};
};

TEST_F(AlarmSchedulerTest, RearmArmsDueTodayAndSnoozedAlarms) {
  const std::string due = addNote("due", oneTime(4, 9));       // passed this morning
  const std::string today = addNote("today", oneTime(4, 15));  // in 3 hours
  const std::string later = addNote("later", oneTime(6, 15));  // another day
  AlarmRecord inactive = oneTime(1, 8);
  inactive.state = AlarmState::Inactive;
  const std::string done = addNote("done", inactive);
  AlarmRecord snoozed = oneTime(4, 11, 55);
  snoozed.state = AlarmState::Snoozed;
  snoozed.snoozeUntil = static_cast<std::int32_t>(localTimeValue(2026, 5, 4, 12, 7));
  const std::string napping = addNote("napping", snoozed);

  scheduler_.rearm();
  EXPECT_EQ(scheduler_.alarms().size(), 5u);
  EXPECT_EQ(scheduler_.armedCount(), 3);
  EXPECT_EQ(timers_.dueInMs(alarmTimer(due)), 1000);
  EXPECT_EQ(timers_.dueInMs(alarmTimer(today)), 3 * 3600 * 1000);
  EXPECT_EQ(timers_.dueInMs(alarmTimer(napping)), 7 * 60 * 1000);
  EXPECT_EQ(scheduler_.slotOf(later), -1);
  EXPECT_EQ(scheduler_.slotOf(done), -1);
  EXPECT_EQ(timers_.dueInMs(AlarmScheduler::kMidnightTimer), (12 * 3600 + 1) * 1000);
  EXPECT_EQ(timers_.count(), 4u);
  EXPECT_EQ(storedAlarm(due).state, AlarmState::Due);

  scheduler_.rearm();  // re-arming replaces the timers, it does not add to them
  EXPECT_EQ(scheduler_.armedCount(), 3);
  EXPECT_EQ(timers_.count(), 4u);
  scheduler_.killAll();
  EXPECT_EQ(timers_.count(), 0u);
  EXPECT_EQ(scheduler_.armedCount(), 0);
}

TEST_F(AlarmSchedulerTest, NoAlarmsNoMidnightTimer) {
  test::writeFileBytes(note("plain"), std::vector<std::uint8_t>(64, 0));
  scheduler_.rearm();
  EXPECT_TRUE(scheduler_.alarms().empty());
  EXPECT_EQ(timers_.count(), 0u);
}

TEST_F(AlarmSchedulerTest, DueAlarmFiresOneSecondAfterRearm) {
  AlarmRecord r = oneTime(4, 9);
  r.playTone = 1;
  const std::string path = addNote("missed", r);
  scheduler_.rearm();
  timers_.advance(999, scheduler_);
  EXPECT_TRUE(sounds_.log.empty());
  timers_.advance(1, scheduler_);
  EXPECT_EQ(sounds_.log, (std::vector<std::string>{"tone", "play missed.wav"}));
  EXPECT_EQ(storedAlarm(path).state, AlarmState::Inactive);
  EXPECT_EQ(scheduler_.armedCount(), 0);
  EXPECT_EQ(ui_.rebuilds, 1);
}

TEST_F(AlarmSchedulerTest, MidnightRefreshArmsTomorrowsAlarms) {
  AlarmRecord weekly;
  weekly.schedule = AlarmRecord::kWeekly;
  weekly.hour = 7;
  weekly.weekdays[2] = 1;  // Tuesdays; today is Monday
  const std::string path = addNote("weekly", weekly);
  scheduler_.rearm();
  EXPECT_EQ(storedAlarm(path).state, AlarmState::Pending);
  EXPECT_EQ(scheduler_.armedCount(), 0);
  timers_.advance((12 * 3600 + 1) * 1000, scheduler_);  // 00:00:01 on Tuesday
  EXPECT_EQ(storedAlarm(path).state, AlarmState::Today);
  EXPECT_EQ(scheduler_.armedCount(), 1);
  EXPECT_EQ(timers_.dueInMs(alarmTimer(path)), (7 * 3600 - 1) * 1000);
  timers_.advance((7 * 3600 - 1) * 1000, scheduler_);
  EXPECT_EQ(sounds_.log, (std::vector<std::string>{"play weekly.wav"}));
  EXPECT_EQ(storedAlarm(path).nextTime, localTimeValue(2026, 5, 12, 7));
}

TEST_F(AlarmSchedulerTest, ToneGivesUpAfterThirtyAttempts) {
  AlarmRecord r = oneTime(4, 9);
  r.playTone = 1;
  addNote("busy", r);
  sounds_.toneRefusals = 100;
  scheduler_.rearm();
  timers_.advance(1000, scheduler_);
  EXPECT_EQ(std::count(sounds_.log.begin(), sounds_.log.end(), "tone"), 30);
  EXPECT_EQ(sounds_.pausedMs, 29 * 1000);
  EXPECT_EQ(sounds_.log.back(), "play busy.wav");
}

TEST_F(AlarmSchedulerTest, PopupReplaysFourTimesThenStops) {
  AlarmRecord r = oneTime(4, 12, 10);
  r.showPopup = 1;
  r.replay = 1;
  r.replayMinutes = 5;
  const std::string path = addNote("standup", r);
  scheduler_.rearm();
  const std::int64_t firedAt = localTimeValue(2026, 5, 4, 12, 10);
  ui_.whilePopupOpen = [&] {
    EXPECT_EQ(storedAlarm(path).state, AlarmState::Ringing);
    // The popup is left open: the replay timer runs until its fourth turn at 20 minutes.
    const int replayTimer = AlarmScheduler::kFirstReplayTimer + scheduler_.slotOf(path);
    timers_.advance(20 * 60 * 1000 - 1, scheduler_);
    EXPECT_TRUE(timers_.has(replayTimer));
    timers_.advance(1, scheduler_);
    EXPECT_FALSE(timers_.has(replayTimer));
    timers_.advance(5 * 60 * 1000, scheduler_);
  };
  timers_.advance(10 * 60 * 1000, scheduler_);
  ASSERT_EQ(ui_.popups.size(), 1u);
  EXPECT_EQ(sounds_.startTimes,
            (std::vector<std::int64_t>{firedAt, firedAt + 300, firedAt + 600, firedAt + 900}));
  EXPECT_EQ(scheduler_.replayCount(), 0);
  EXPECT_EQ(storedAlarm(path).state, AlarmState::Inactive);
}

TEST_F(AlarmSchedulerTest, SnoozeAcrossMidnightFiresOnTime) {
  AlarmRecord r = oneTime(4, 23, 55);
  r.showPopup = 1;
  const std::string path = addNote("late", r);
  scheduler_.rearm();
  ui_.popupResult = {true, 10};  // the first popup is snoozed, the second closed
  ui_.whilePopupOpen = [&] {
    if (ui_.popups.size() == 2) {
      ui_.popupResult = {false, 0};
    }
  };
  timers_.advance((11 * 3600 + 55 * 60) * 1000, scheduler_);  // 23:55
  ASSERT_EQ(ui_.popups.size(), 1u);
  EXPECT_EQ(storedAlarm(path).state, AlarmState::Snoozed);
  EXPECT_EQ(storedAlarm(path).snoozeUntil, localTimeValue(2026, 5, 5, 0, 5));
  EXPECT_EQ(scheduler_.armedCount(), 1);
  // The midnight refresh re-arms the snooze for its absolute time.
  timers_.advance(5 * 60 * 1000 + 1000, scheduler_);
  EXPECT_EQ(scheduler_.armedCount(), 1);
  EXPECT_EQ(ui_.popups.size(), 1u);
  timers_.advance(5 * 60 * 1000, scheduler_);  // 00:05:01
  EXPECT_EQ(ui_.popups.size(), 2u);
  EXPECT_EQ(storedAlarm(path).state, AlarmState::Inactive);
}

TEST_F(AlarmSchedulerTest, EraseAfterPlayingRemovesTheNoteAndItsAlarm) {
  AlarmRecord r = oneTime(4, 12, 1);
  r.eraseAfterPlaying = 1;
  const std::string path = addNote("once", r);
  scheduler_.rearm();
  timers_.advance(60 * 1000, scheduler_);
  EXPECT_EQ(sounds_.log, (std::vector<std::string>{"play once.wav"}));
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_FALSE(std::filesystem::exists(AlarmFile::pathForNote(path)));
  EXPECT_TRUE(scheduler_.alarms().empty());
}

TEST_F(AlarmSchedulerTest, NoteRemovedWhilePopupIsOpen) {
  AlarmRecord r = oneTime(4, 12, 1);
  r.showPopup = 1;
  r.replay = 1;
  const std::string path = addNote("vanishing", r);
  scheduler_.rearm();
  ui_.popupResult = {true, 10};
  ui_.whilePopupOpen = [&] {
    std::filesystem::remove(path);
    std::filesystem::remove(AlarmFile::pathForNote(path));
    scheduler_.rearm();
  };
  timers_.advance(60 * 1000, scheduler_);
  EXPECT_EQ(ui_.popups.size(), 1u);
  EXPECT_EQ(scheduler_.armedCount(), 0);
  EXPECT_FALSE(std::filesystem::exists(AlarmFile::pathForNote(path)));
  EXPECT_EQ(timers_.count(), 0u);  // no snooze, no replay left behind
}

TEST_F(AlarmSchedulerTest, ReloadWhilePopupIsOpenKeepsTheSnoozeWithItsNote) {
  AlarmRecord r = oneTime(4, 12, 30);
  r.showPopup = 1;
  const std::string ringing = addNote("m-ringing", r);
  ui_.popupResult = {true, 5};
  std::string other;
  ui_.whilePopupOpen = [&] {
    if (ui_.popups.size() > 1) {
      ui_.popupResult = {false, 0};
      return;
    }
    // New alarm notes that sort before the ringing one arrive, and the list is reloaded.
    other = addNote("a-other", oneTime(4, 18));
    addNote("b-other", oneTime(4, 19));
    scheduler_.rearm();
  };
  scheduler_.rearm();
  timers_.advance(30 * 60 * 1000, scheduler_);
  ASSERT_EQ(ui_.popups.size(), 1u);
  EXPECT_EQ(scheduler_.armedCount(), 3);
  EXPECT_EQ(timers_.dueInMs(alarmTimer(ringing)), 5 * 60 * 1000);
  EXPECT_NE(alarmTimer(ringing), alarmTimer(other));
  timers_.advance(5 * 60 * 1000, scheduler_);
  ASSERT_EQ(ui_.popups.size(), 2u);
  EXPECT_EQ(ui_.popups[1], ringing);
}

}  // namespace
}  // namespace qp
