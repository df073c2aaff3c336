// quillophone-cli alarms over a notes directory with current, legacy, stale and broken alarm
// files in several folders.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "alarms/AlarmFile.h"
#include "alarms/LocalTime.h"
#include "common/LittleEndian.h"
#include "support/ProcessRunner.h"
#include "support/ScopedTimeZone.h"
#include "support/TempDir.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
using test::localTimeValue;

class CliAlarmsTest : public testing::Test {
 protected:
  CliAlarmsTest() {
    fs::create_directories(notes_ / "Alarms");
    fs::create_directories(notes_ / "Personal" / "old");
    fs::create_directories(dir_.path() / "config");
  }

  // A note whose last write lies `age` hours back, so the listing order is known.
  std::string addNote(const std::string& relative, int age) {
    const std::string path = (notes_ / relative).string();
    test::writeFileBytes(path, std::vector<std::uint8_t>(100, 0));
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(age));
    return path;
  }
  AlarmRecord oneTime(int year, int month, int day, int hour, int minute, AlarmState state) const {
    AlarmRecord r;
    r.hour = hour;
    r.minute = minute;
    r.playOnDate = static_cast<std::int32_t>(localTimeValue(year, month, day));
    r.state = state;
    return r;
  }
  test::ProcessResult runAlarms() {
    return test::runCommand(
        "TZ=America/New_York " +
        test::cliHomeEnvironment((dir_.path() / "config").string(), notes_.string()) +
        test::cliCommand() + " alarms");
  }
  static std::string line(const std::string& path, const char* state, std::int64_t next,
                          const char* local) {
    return path + "\t" + state + "\t" + std::to_string(next) + "\t" + local + "\n";
  }

  test::ScopedTimeZone zone_{"America/New_York"};
  test::TempDir dir_;
  fs::path notes_ = dir_.path() / "notes";
};

TEST_F(CliAlarmsTest, ListsEveryAlarmOverAllFoldersAfterLoadingIt) {
  const std::string future = addNote("Alarms/dentist.wav", 5);
  AlarmFile::save(AlarmFile::pathForNote(future), oneTime(2030, 6, 1, 8, 30, AlarmState::Inactive));
  const std::string missed = addNote("Personal/old/missed.wav", 4);
  const std::string missedAlarm = AlarmFile::pathForNote(missed);
  AlarmFile::save(missedAlarm, oneTime(2020, 2, 29, 23, 15, AlarmState::Pending));
  const std::string played = addNote("Personal/played.wav", 3);
  AlarmFile::save(AlarmFile::pathForNote(played), oneTime(2021, 3, 14, 7, 0, AlarmState::Inactive));
  // A legacy 236-byte record: its leading time value gives the time of day, 06:45:10.
  const std::string legacy = addNote("Alarms/legacy.wav", 2);
  const auto current = oneTime(2031, 1, 31, 0, 0, AlarmState::Pending).toBytes();
  std::vector<std::uint8_t> old(236);
  const auto lead = static_cast<std::uint32_t>(localTimeValue(2019, 7, 4, 6, 45, 10));
  putLe32(old.data(), lead);
  std::copy(current.begin() + 12, current.end(), old.begin() + 4);
  test::writeFileBytes(AlarmFile::pathForNote(legacy), old);
  // Not listed: a broken alarm file (kept as it is) and a note without alarm.
  const std::string broken = addNote("Alarms/broken.wav", 1);
  test::writeFileBytes(AlarmFile::pathForNote(broken), std::vector<std::uint8_t>(100, 7));
  addNote("Personal/plain.wav", 0);

  const test::ProcessResult r = runAlarms();
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(
      r.out,
      line(future, "Pending", localTimeValue(2030, 6, 1, 8, 30), "2030-06-01 08:30:00") +
          line(missed, "Due", localTimeValue(2020, 2, 29, 23, 15), "2020-02-29 23:15:00") +
          line(played, "Inactive", localTimeValue(2021, 3, 14, 7), "2021-03-14 07:00:00") +
          line(legacy, "Pending", localTimeValue(2031, 1, 31, 6, 45, 10), "2031-01-31 06:45:10"));
  // Loading wrote the new state back and converted the legacy file; the broken one stays.
  EXPECT_EQ(AlarmRecord::fromBytes(test::readFileBytes(missedAlarm))->state, AlarmState::Due);
  EXPECT_EQ(test::readFileBytes(AlarmFile::pathForNote(legacy)).size(), 244u);
  EXPECT_EQ(test::readFileBytes(AlarmFile::pathForNote(broken)), std::vector<std::uint8_t>(100, 7));
  // A second listing finds the missed alarm still due: listing never loses an alarm.
  const test::ProcessResult again = runAlarms();
  EXPECT_EQ(again.out, r.out);
}

TEST_F(CliAlarmsTest, SetAndRemoveAnAlarm) {
  const std::string note = addNote("Alarms/rent.wav", 0);
  const std::string env =
      "TZ=America/New_York XDG_CONFIG_HOME=" + test::shellQuote((dir_.path() / "config").string()) +
      " ";
  const auto alarm = [&](const std::string& options) {
    return test::runCommand(env + test::cliCommand() + " alarm " + options);
  };
  const test::ProcessResult set =
      alarm("set " + test::shellQuote(note) +
            " --at 07:30 --monthly-nth last --weekday fri --months jan,feb --replay 5 "
            "--message 'Pay the rent'");
  ASSERT_EQ(set.exitCode, 0) << set.err;
  const AlarmRecord stored =
      *AlarmRecord::fromBytes(test::readFileBytes(AlarmFile::pathForNote(note)));
  EXPECT_EQ(stored.schedule, AlarmRecord::kMonthly);
  EXPECT_EQ(stored.monthlyMode, AlarmRecord::kNthWeekday);
  EXPECT_EQ(stored.ordinal, 4);
  EXPECT_EQ(stored.weekday, 5);
  EXPECT_EQ(stored.months[0] + stored.months[1] + stored.months[2], 2);
  EXPECT_EQ(stored.replayMinutes, 5);
  EXPECT_EQ(stored.message, "Pay the rent");
  EXPECT_EQ(stored.hour * 60 + stored.minute, 7 * 60 + 30);
  EXPECT_EQ(set.out, note + "\tPending\t" + std::to_string(stored.nextTime) + "\t" +
                         LocalTime::format(stored.nextTime) + "\n");

  // The dialog's checks refuse, with its messages, and leave the alarm as it was.
  const test::ProcessResult past = alarm("set " + test::shellQuote(note) + " --once 2020-01-01");
  EXPECT_EQ(past.exitCode, 1);
  EXPECT_EQ(past.err, "quillophone-cli: " + note +
                          ": The alarm date and time has already passed; give a later --at "
                          "time or --once date.\n");
  EXPECT_EQ(alarm("set " + test::shellQuote(note) + " --replay 0").err.substr(0, 62),
            "quillophone-cli: --replay must be a whole number from 1 to 60\n");
  EXPECT_EQ(alarm("set " + test::shellQuote(note) + " --monthly-day 32").exitCode, 1);
  EXPECT_EQ(alarm("set " + test::shellQuote(note) + " --weekly").exitCode, 2);
  EXPECT_EQ(alarm("set " + test::shellQuote(note) + " --weekly mon --once 2030-01-01").exitCode, 2);
  EXPECT_EQ(*AlarmRecord::fromBytes(test::readFileBytes(AlarmFile::pathForNote(note))), stored);

  // A new alarm on another note starts from the template the last "set" wrote.
  const std::string other = addNote("Alarms/other.wav", 0);
  ASSERT_EQ(alarm("set " + test::shellQuote(other) + " --weekly sun").exitCode, 0);
  const AlarmRecord fromTemplate =
      *AlarmRecord::fromBytes(test::readFileBytes(AlarmFile::pathForNote(other)));
  EXPECT_EQ(fromTemplate.replayMinutes, 5);
  EXPECT_EQ(fromTemplate.message, "");

  EXPECT_EQ(alarm("rm " + test::shellQuote(note)).exitCode, 0);
  EXPECT_FALSE(fs::exists(AlarmFile::pathForNote(note)));
  EXPECT_TRUE(fs::exists(note));
  EXPECT_EQ(alarm("rm " + test::shellQuote(dir_.file("missing.wav"))).exitCode, 1);
}

// --at and --once take exactly HH:MM[:SS] and YYYY-MM-DD (fields of at most two, or four for
// the year, digits); anything else is a usage error that leaves no alarm behind.
TEST_F(CliAlarmsTest, ReadsOnlyWholeTimesAndDates) {
  const std::string note = addNote("Alarms/dates.wav", 0);
  const std::string alarmFile = AlarmFile::pathForNote(note);
  struct Row {
    const char* at;
    const char* once;
    int exitCode;
    int hour = 0, minute = 0, second = 0, month = 0, day = 0;  // stored when accepted
  };
  const Row rows[] = {
      {"7:05", "2030-6-1", 0, 7, 5, 0, 6, 1},
      {"23:59:59", "2030-12-31", 0, 23, 59, 59, 12, 31},
      {"00:00:00", "2030-02-28", 0, 0, 0, 0, 2, 28},
      {"24:00", "2030-06-01", 2},
      {"7:60", "2030-06-01", 2},
      {"7:30:60", "2030-06-01", 2},
      {"7", "2030-06-01", 2},
      {"7:30:", "2030-06-01", 2},
      {"7:300", "2030-06-01", 2},
      {"123:00", "2030-06-01", 2},
      {"07:30x", "2030-06-01", 2},
      {"", "2030-06-01", 2},
      {"8:00", "2030-02-30", 2},
      {"8:00", "2030-13-01", 2},
      {"8:00", "2030-06-00", 2},
      {"8:00", "2030-06-01x", 2},
      {"8:00", "2030/06/01", 2},
      {"8:00", "20300-06-01", 2},
  };
  const std::string command =
      "TZ=America/New_York XDG_CONFIG_HOME=" + test::shellQuote((dir_.path() / "config").string()) +
      " " + test::cliCommand() + " alarm set " + test::shellQuote(note);
  for (const Row& row : rows) {
    fs::remove(alarmFile);
    const std::string options =
        std::string(" --at '") + row.at + "' --once '" + row.once + "' 2>/dev/null";
    const test::ProcessResult r = test::runCommand(command + options);
    ASSERT_EQ(r.exitCode, row.exitCode) << options;
    if (row.exitCode != 0) {
      EXPECT_FALSE(fs::exists(alarmFile)) << options;
      continue;
    }
    const AlarmRecord stored = *AlarmRecord::fromBytes(test::readFileBytes(alarmFile));
    EXPECT_EQ(stored.hour * 3600 + stored.minute * 60 + stored.second,
              row.hour * 3600 + row.minute * 60 + row.second)
        << options;
    EXPECT_EQ(stored.playOnDate, localTimeValue(2030, row.month, row.day)) << options;
  }
}

TEST_F(CliAlarmsTest, NoAlarmsNoOutput) {
  addNote("Alarms/plain.wav", 0);
  const test::ProcessResult r = runAlarms();
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "");
  const test::ProcessResult bad =
      test::runCommand(test::cliCommand() + " alarms extra 2>/dev/null");
  EXPECT_EQ(bad.exitCode, 2);
}

}  // namespace
}  // namespace qp
