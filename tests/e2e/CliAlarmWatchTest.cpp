// quillophone-cli alarms --watch on the test sound server: an alarm due in a few seconds fires
// and its note is heard on the null sink's monitor.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "alarms/AlarmFile.h"
#include "alarms/LocalTime.h"
#include "audio/wave/WaveFileReader.h"
#include "audio/wave/WaveFileWriter.h"
#include "support/ProcessRunner.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
using test::shellQuote;

TEST(CliAlarmWatchTest, DueAlarmFiresAndItsNoteIsHeard) {
  test::TempDir dir;
  const fs::path notes = dir.path() / "notes";
  fs::create_directories(notes / "Alarms");
  fs::create_directories(dir.path() / "config");
  const std::string note = (notes / "Alarms" / "wake.wav").string();
  {
    WaveFileWriter writer;
    ASSERT_TRUE(writer.open(note, WaveFormat::pcm(1, 11025, 16)));
    const auto bytes = test::toBytes(test::sine(700, 11025, 11025 * 3 / 2, 12000));
    writer.write(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
  }
  // A one-time alarm, no tone and no popup, 3 seconds from now.
  const std::int64_t at = static_cast<std::int64_t>(std::time(nullptr)) + 3;
  const LocalDateTime local = LocalTime::fromTime(at);
  AlarmRecord alarm;
  alarm.hour = local.hour;
  alarm.minute = local.minute;
  alarm.second = local.second;
  alarm.playOnDate = static_cast<std::int32_t>(*LocalTime::midnightOf(at));
  alarm.state = AlarmState::Pending;
  ASSERT_TRUE(AlarmFile::save(AlarmFile::pathForNote(note), alarm));

  const std::string heard = dir.file("heard.wav");
  const std::string env = "XDG_CONFIG_HOME=" + shellQuote((dir.path() / "config").string()) +
                          " QUILLOPHONE_NOTES_DIR=" + shellQuote(notes.string()) + " ";
  const test::ProcessResult r = test::runCommand(
      "PULSE_SOURCE=qp_sink.monitor " + test::cliCommand() + " record " + shellQuote(heard) +
      " --seconds 7 </dev/null >/dev/null 2>&1 & rec=$!; " + env + "timeout -s INT 7 " +
      test::cliCommand() + " alarms --watch --auto-close </dev/null; wait $rec");
  EXPECT_EQ(r.out, "fired\t" + note + "\n") << r.err;
  EXPECT_EQ(AlarmRecord::fromBytes(test::readFileBytes(AlarmFile::pathForNote(note)))->state,
            AlarmState::Inactive);

  WaveFileReader reader;
  ASSERT_TRUE(reader.open(heard));
  std::vector<std::uint8_t> bytes(reader.dataSize());
  reader.read(bytes.data(), reader.dataSize());
  const auto samples = test::fromBytes(bytes);
  std::vector<std::int16_t> loud;
  std::size_t firstLoud = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    if (loud.empty() && std::abs(samples[i]) > 3000) {
      firstLoud = i;
    }
    if (!loud.empty() || std::abs(samples[i]) > 3000) {
      loud.push_back(samples[i]);
    }
  }
  ASSERT_GT(loud.size(), 22050u);  // more than a second of the note
  loud.resize(22050);
  EXPECT_NEAR(test::dominantFrequency(loud, 22050), 700.0, 3.0);
  EXPECT_GE(firstLoud, 22050u);  // not before the alarm time (2 to 3 s after the start)
}

}  // namespace
}  // namespace qp
