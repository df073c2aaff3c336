// "&Alarm...", the alarm prompt after a recording, and the close question.
#include <gtest/gtest.h>

#include <filesystem>

#include "alarms/AlarmFile.h"
#include "alarms/AlarmTemplate.h"
#include "alarms/scheduling/AlarmCommands.h"
#include "common/MemorySettingsStore.h"
#include "support/AlarmFakes.h"
#include "support/ScopedTimeZone.h"
#include "support/TempDir.h"

namespace qp {
namespace {

using test::localTimeValue;

class AlarmCommandsTest : public ::testing::Test {
 protected:
  AlarmCommandsTest() {
    std::filesystem::create_directory(dir_.path() / "Personal");
    note_.path = dir_.file("Personal/memo.wav");
    test::writeFileBytes(note_.path, std::vector<std::uint8_t>(64, 0));
    // The dialog picks 15:30 today.
    ui_.fillDialog = [](AlarmRecord& r) {
      r.hour = 15;
      r.minute = 30;
    };
  }

  test::ScopedTimeZone zone_{"Europe/Berlin"};
  test::TempDir dir_;
  test::FakeClock clock_{localTimeValue(2026, 5, 4, 12, 20)};
  MemorySettingsStore settings_;
  StringTable strings_{1033};
  test::FakeTimers timers_{clock_};
  test::FakeSounds sounds_{clock_};
  test::ScriptedUi ui_;
  test::NoTrash trash_;
  AlarmScheduler scheduler_{dir_.path().string(),
                            {settings_, strings_, clock_, timers_, sounds_, ui_, trash_}};
  AlarmCommands commands_{settings_, strings_, clock_, ui_, scheduler_};
  NoteEntry note_;
};

TEST_F(AlarmCommandsTest, SetAlarmWritesTemplateAndFileAndArms) {
  const AlarmRecord start = commands_.workingRecord(note_);
  EXPECT_EQ(start.hour, 13);  // the next whole hour
  EXPECT_EQ(start.playOnDate, localTimeValue(2026, 5, 4));

  ui_.dialogResult = AlarmDialogResult::SetAlarm;
  EXPECT_EQ(commands_.editAlarm(note_), AlarmDialogResult::SetAlarm);
  ASSERT_TRUE(note_.alarm);
  EXPECT_EQ(note_.alarm->state, AlarmState::Today);
  EXPECT_EQ(note_.alarm->nextTime, localTimeValue(2026, 5, 4, 15, 30));
  EXPECT_EQ(AlarmRecord::fromBytes(test::readFileBytes(note_.alarmPath)), note_.alarm);
  EXPECT_EQ(AlarmTemplate::read(settings_)->hour, 15);
  EXPECT_EQ(scheduler_.armedCount(), 1);

  // Editing again starts from the note's own alarm.
  ui_.fillDialog = nullptr;
  ui_.dialogResult = AlarmDialogResult::Cancel;
  EXPECT_EQ(commands_.workingRecord(note_).hour, 15);
  commands_.editAlarm(note_);
  EXPECT_TRUE(std::filesystem::exists(note_.alarmPath));
}

TEST_F(AlarmCommandsTest, DisableAlarmDeletesItAndDisarms) {
  ui_.dialogResult = AlarmDialogResult::SetAlarm;
  commands_.editAlarm(note_);
  const std::string alarmPath = note_.alarmPath;
  ui_.dialogResult = AlarmDialogResult::DisableAlarm;
  commands_.editAlarm(note_);
  EXPECT_FALSE(note_.alarm);
  EXPECT_FALSE(std::filesystem::exists(alarmPath));
  EXPECT_EQ(scheduler_.armedCount(), 0);
}

TEST_F(AlarmCommandsTest, PromptIgnoresDisableAndStartsFromTheTemplate) {
  AlarmRecord stored;
  stored.replayMinutes = 7;
  stored.schedule = AlarmRecord::kWeekly;
  AlarmTemplate::write(settings_, stored);
  ui_.dialogResult = AlarmDialogResult::DisableAlarm;
  EXPECT_EQ(commands_.promptForAlarm(note_), AlarmDialogResult::DisableAlarm);
  EXPECT_FALSE(std::filesystem::exists(AlarmFile::pathForNote(note_.path)));
  ui_.dialogResult = AlarmDialogResult::SetAlarm;
  commands_.promptForAlarm(note_);
  ASSERT_TRUE(note_.alarm);
  EXPECT_EQ(note_.alarm->replayMinutes, 7);
  EXPECT_EQ(note_.alarm->schedule, AlarmRecord::kWeekly);
  EXPECT_EQ(ui_.dialogs, (std::vector<std::string>{"prompt", "prompt"}));
}

TEST_F(AlarmCommandsTest, CloseQuestionOnlyWhileAlarmsAreArmed) {
  EXPECT_TRUE(commands_.confirmCloseWithAlarms(false, false));
  EXPECT_TRUE(ui_.questions.empty());
  ui_.dialogResult = AlarmDialogResult::SetAlarm;
  commands_.editAlarm(note_);
  ui_.answerYes = false;
  EXPECT_TRUE(commands_.confirmCloseWithAlarms(true, true));  // "&Close" in tray mode
  EXPECT_TRUE(ui_.questions.empty());
  EXPECT_FALSE(commands_.confirmCloseWithAlarms(true, false));
  ui_.answerYes = true;
  EXPECT_TRUE(commands_.confirmCloseWithAlarms(false, true));
  ASSERT_EQ(ui_.questions.size(), 2u);
  EXPECT_EQ(ui_.questions[0],
            "You have active alarms. Closing Quillophone will disable the alarms.\n\nDo you want "
            "to close Quillophone?");
}

}  // namespace
}  // namespace qp
