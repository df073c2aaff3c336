// quillophone-cli alarms --watch on the test sound server: an alarm due in a few seconds fires
// and its note is heard on the null sink's monitor.
#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <filesystem>

#include "alarms/AlarmFile.h"
#include "alarms/LocalTime.h"
#include "support/BackgroundCommand.h"
#include "support/LoudPart.h"
#include "support/ProcessRunner.h"
#include "support/SignalGenerators.h"
#include "support/SinkMonitor.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"
#include "support/WavFiles.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
using test::fileBytes;

TEST(CliAlarmWatchTest, DueAlarmFiresAndItsNoteIsHeard) {
  test::TempDir dir;
  const fs::path notes = dir.path() / "notes";
  fs::create_directories(notes / "Alarms");
  fs::create_directories(dir.path() / "config");
  const std::string note = (notes / "Alarms" / "wake.wav").string();
  test::writeWavNote(note, WaveFormat::pcm(1, 11025, 16),
                     test::sine(700, 11025, 11025 * 3 / 2, 12000));

  // Listen on the sink's monitor from before the alarm is set until its note has played.
  const std::string heard = dir.file("heard.wav");
  test::BackgroundCommand listener(test::sinkMonitorRecordCommand(heard));
  ASSERT_TRUE(test::waitUntil([&] { return fileBytes(heard) > test::kWaveHeaderBytes; }))
      << listener.errorsSoFar();

  // A one-time alarm, no tone and no popup, 5 seconds from now: time enough for the watching
  // process to start on a busy machine.
  const std::int64_t at = static_cast<std::int64_t>(std::time(nullptr)) + 5;
  const LocalDateTime local = LocalTime::fromTime(at);
  AlarmRecord alarm;
  alarm.hour = local.hour;
  alarm.minute = local.minute;
  alarm.second = local.second;
  alarm.playOnDate = static_cast<std::int32_t>(*LocalTime::midnightOf(at));
  alarm.state = AlarmState::Pending;
  const std::string alarmPath = AlarmFile::pathForNote(note);
  ASSERT_TRUE(AlarmFile::save(alarmPath, alarm));

  test::BackgroundCommand watch(
      test::cliHomeEnvironment((dir.path() / "config").string(), notes.string()) +
      test::cliCommand() + " alarms --watch --auto-close");
  // The alarm file says Inactive once the alarm has fired and its note has played.
  const bool played = test::waitUntil([&] {
    const auto stored = AlarmRecord::fromBytes(test::readFileBytes(alarmPath));
    return stored && stored->state == AlarmState::Inactive;
  });
  const std::uint64_t heardAtEnd = fileBytes(heard);
  test::waitUntil([&] { return fileBytes(heard) > heardAtEnd + test::kHeardBytesPerSecond / 2; });
  const test::ProcessResult r = watch.stop(SIGINT);
  listener.stop(SIGINT);
  EXPECT_TRUE(played) << r.err;
  EXPECT_EQ(r.out, "fired\t" + note + "\n") << r.err;
  EXPECT_EQ(AlarmRecord::fromBytes(test::readFileBytes(alarmPath))->state, AlarmState::Inactive);

  const auto samples = test::readWavSamples(heard);
  const auto span = test::findLoud(samples);
  const std::size_t firstLoud = span ? span->first : 0;
  std::vector<std::int16_t> loud = test::fromFirstLoud(samples);
  ASSERT_GT(loud.size(), 22050u);  // more than a second of the note
  loud.resize(22050);
  EXPECT_NEAR(test::dominantFrequency(loud, 22050), 700.0, 3.0);
  EXPECT_GE(firstLoud, 22050u);  // not before the alarm time (4 to 5 s after the start)
}

}  // namespace
}  // namespace qp
