// quillophone-cli as a new user meets it: bad usage and failures end with the right exit
// status and an error line that starts "quillophone-cli:" and names the file it is about,
// and leave every file as it was; each verb's help explains its options; what the terminal
// is told after an edit, a recording into an alarm folder and an alarm without a schedule.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "alarms/AlarmFile.h"
#include "alarms/AlarmRecord.h"
#include "support/ProcessRunner.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
using test::shellQuote;

// Every regular file under root with its contents and modification time, but for the sound
// server's cookie, which its client library keeps in the configuration directory.
std::map<std::string, std::pair<test::Bytes, fs::file_time_type>> filesUnder(const fs::path& root) {
  std::map<std::string, std::pair<test::Bytes, fs::file_time_type>> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file() && entry.path().parent_path().filename() != "pulse") {
      files[entry.path().string()] = {test::readFileBytes(entry.path().string()),
                                      entry.last_write_time()};
    }
  }
  return files;
}

class CliMisuseTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(run("folders").exitCode, 0);  // the default folders and the settings file
    note_ = wav(notes_ / "Personal" / "Memo.wav", 3.0);
    text_ = (dir_.path() / "readme.txt").string();
    test::writeFileBytes(text_, {'h', 'e', 'l', 'l', 'o'});
    notWave_ = (dir_.path() / "text.wav").string();
    test::writeFileBytes(notWave_, {'h', 'e', 'l', 'l', 'o'});
    fs::create_directories(dir_.path() / "bin");
  }
  // The CLI with the test's own notes, settings, cache and PATH; no terminal on any side.
  test::ProcessResult run(const std::string& arguments, const std::string& path = "/usr/bin:/bin") {
    const std::string env =
        "LC_ALL=C TZ=UTC XDG_CONFIG_HOME=" + shellQuote((dir_.path() / "config").string()) +
        " XDG_CACHE_HOME=" + shellQuote((dir_.path() / "cache").string()) +
        " XDG_DATA_HOME=" + shellQuote((dir_.path() / "data").string()) +
        " QUILLOPHONE_NOTES_DIR=" + shellQuote(notes_.string()) + " PATH=" + shellQuote(path) + " ";
    return test::runCommand(env + test::cliCommand() + " " + arguments + " </dev/null");
  }
  std::string wav(const fs::path& path, double seconds) {
    fs::create_directories(path.parent_path());
    const auto samples = test::sine(700, 22050, static_cast<std::size_t>(22050 * seconds), 9000);
    test::writeFileBytes(path.string(), test::simpleWav(1, 22050, 16, test::toBytes(samples)));
    return path.string();
  }
  void setting(const std::string& line) {
    std::ofstream(dir_.path() / "config" / "Tolvane Electronics" / "TolvaneQP.conf", std::ios::app)
        << "[Settings]\n"
        << line << "\n";
  }
  AlarmRecord alarmOf(const std::string& note) {
    return *AlarmRecord::fromBytes(test::readFileBytes(AlarmFile::pathForNote(note)));
  }

  test::TempDir dir_;
  fs::path notes_ = dir_.path() / "notes";
  std::string note_;
  std::string text_;
  std::string notWave_;  // text under a wave file's name
};

TEST_F(CliMisuseTest, BadUsageAndFailuresSayWhyAndChangeNothing) {
  const std::string missing = (dir_.path() / "missing.wav").string();
  const std::string out = (dir_.path() / "out.wav").string();
  const std::string n = shellQuote(note_);
  struct Row {
    std::string arguments;
    int exitCode;
    std::vector<std::string> lines;  // the first words of each line on standard error
  };
  const std::vector<Row> rows = {
      // A selection is never reversed.
      {"edit erase " + n + " --from 0.6 --to 0.2", 2, {"quillophone-cli: --from must lie before"}},
      {"edit erase " + n + " --from 0.5 --to 0.5", 2, {"quillophone-cli: --from must lie before"}},
      {"edit erase " + n + " --from 1 --to 3", 2, {"quillophone-cli: --from must lie before"}},
      {"edit insert " + n + " --at 0.6 --to 0.2 --seconds 1",
       2,
       {"quillophone-cli: --at must not lie after --to"}},
      {"play " + n + " --from 0.7 --to 0.3", 2, {"quillophone-cli: --from must lie before"}},
      {"play " + n + " --to 0", 2, {"quillophone-cli: --from must lie before"}},
      // Recordings too short to keep.
      {"record --seconds 0.4",
       1,
       {"quillophone-cli: folder \"Personal\": the recording was too short"}},
      {"record " + shellQuote(out) + " --seconds 0.3",
       1,
       {"quillophone-cli: " + out + ": the recording was too short"}},
      {"edit append " + n + " --seconds 0.3",
       1,
       {"quillophone-cli: " + note_ +
        ": the recording was too short (half a second or less); "
        "the note was not changed"}},
      // Files that cannot be used.
      {"import " + shellQuote(missing) + " " + shellQuote(text_) + " " + n,
       1,
       {"quillophone-cli: " + missing + ": not imported: no such file",
        "quillophone-cli: " + text_ + ": not imported: only wave (.wav) and WMA",
        "quillophone-cli: " + note_ + ": is already in the folder"}},
      {"info " + shellQuote(missing),
       1,
       {"quillophone-cli: " + missing + ": no such file (error 259)"}},
      {"play " + shellQuote(notWave_), 1, {"quillophone-cli: " + notWave_ + ": not a wave file"}},
      {"edit erase " + shellQuote(missing) + " --from 0.1 --to 0.2",
       1,
       {"quillophone-cli: " + missing + ": no such file"}},
      {"email " + n, 1, {"quillophone-cli: no mail program could be started"}},
      {"email " + shellQuote(text_), 1, {"quillophone-cli: " + text_ + ": not a note of the"}},
      // Options and names.
      {"alarm set " + n + " --replay 0", 2, {"quillophone-cli: --replay must be", "usage:"}},
      {"alarm set " + n + " --once 2020-01-01",
       1,
       {"quillophone-cli: " + note_ + ": The alarm date and time has already passed"}},
      {"record --folder Nope --seconds 1", 1, {"quillophone-cli: no folder named \"Nope\""}},
      {"note move " + n + " --to Nope", 1, {"quillophone-cli: no folder named \"Nope\""}},
      {"import --folder Nope " + shellQuote(text_),
       1,
       {"quillophone-cli: no folder named \"Nope\""}},
      {"folder delete Personal",
       1,
       {"quillophone-cli: folder \"Personal\": not deleted: deleting a folder with its notes "
        "asks first"}},
      {"folder rename Personal " + shellQuote("a:b"),
       1,
       {"quillophone-cli: folder \"a:b\": A folder"}},
      {"", 2, {"Usage: quillophone-cli VERB"}},
      {"frobnicate", 2, {"quillophone-cli: unknown verb 'frobnicate'"}},
  };
  for (const Row& row : rows) {
    const auto before = filesUnder(dir_.path());
    const auto r = run(row.arguments, (dir_.path() / "bin").string());
    EXPECT_EQ(r.exitCode, row.exitCode) << row.arguments << "\n" << r.err;
    EXPECT_EQ(r.out, "") << row.arguments;
    std::istringstream err(r.err);
    std::string line;
    for (const std::string& expected : row.lines) {
      ASSERT_TRUE(std::getline(err, line)) << row.arguments << ": no line for " << expected;
      EXPECT_EQ(line.substr(0, expected.size()), expected) << row.arguments;
    }
    EXPECT_EQ(filesUnder(dir_.path()), before) << row.arguments << ": files changed";
    EXPECT_FALSE(fs::exists(out)) << row.arguments;
  }
}

TEST_F(CliMisuseTest, EveryVerbsHelpExplainsItsOptions) {
  const std::map<std::string, std::vector<std::string>> explained = {
      {"edit", {"fractions of the note's length", "half a second"}},
      {"play", {"-19 (twice the speed)", "fraction of the note's length", "--scan"}},
      {"record", {"0 low (8000 Hz)", "2 high", "--no-silkvoice", "prompts for alarms"}},
      {"folder", {"2 alphabetical", "3 by alarm date", "--yes", "permanently"}},
      {"folders", {"0 oldest first", "1 newest first"}},
      {"alarm", {"no schedule option", "rings once", "--replay MINUTES"}},
      {"speed", {"-19 (twice the speed)", "19 (two thirds"}},
      {"export", {"0 a copy of the wave file", "3 MP3"}},
      {"import", {"--yes", "reason"}},
      {"email", {"EmailFormat", "a day"}},
  };
  for (const auto& [verb, phrases] : explained) {
    const auto r = run(verb + " --help");
    EXPECT_EQ(r.exitCode, 0) << verb;
    EXPECT_EQ(r.out.rfind("usage: quillophone-cli " + verb, 0), 0u) << r.out;
    for (const std::string& phrase : phrases) {
      EXPECT_NE(r.out.find(phrase), std::string::npos) << verb << ": " << phrase;
    }
    for (const char* common : {"QUILLOPHONE_NOTES_DIR", "TolvaneQP.conf", "Exit status: 0"}) {
      EXPECT_NE(r.out.find(common), std::string::npos) << verb << ": " << common;
    }
  }
  const auto list = run("");
  EXPECT_EQ(list.out, "");
  EXPECT_NE(list.err.find("  edit erase NOTE"), std::string::npos);
}

TEST_F(CliMisuseTest, AChangedNoteGetsItsCompanionRenewedOrDeleted) {
  const std::string companion = (notes_ / "Personal" / "Memo.mp3").string();
  test::writeFileBytes(companion, {1, 2, 3});  // made from the 3-second note
  auto r = run("edit erase " + shellQuote(note_) + " --from 0.5 --to 1");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_FALSE(fs::exists(companion));  // no drag format: no companion

  // A note written over by a verb that writes wave files loses its companion too; a file
  // that is no note gets none.
  const std::string other = wav(notes_ / "Personal" / "Other.wav", 1.0);
  test::writeFileBytes((notes_ / "Personal" / "Other.mp3").string(), {1, 2, 3});
  r = run("denoise " + shellQuote(note_) + " " + shellQuote(other));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_FALSE(fs::exists(notes_ / "Personal" / "Other.mp3"));

  if (run("formats").out.find("1\tWMA") == std::string::npos) {
    GTEST_SKIP() << "no WMA conversion";
  }
  setting("DragFormat=1");
  test::writeFileBytes(companion, {1, 2, 3});
  r = run("edit erase " + shellQuote(note_) + " --from 0.5 --to 1");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_FALSE(fs::exists(companion));
  const auto probe =
      test::runCommand("ffprobe -v error -show_entries format=duration -of csv=p=0 " +
                       shellQuote((notes_ / "Personal" / "Memo.wma").string()));
  EXPECT_NEAR(std::atof(probe.out.c_str()), 0.75, 0.1) << probe.err;
  const auto listed = run("notes Personal");
  EXPECT_NE(listed.out.find("Memo.wma"), std::string::npos) << listed.out;
  const std::string elsewhere = (dir_.path() / "copy.wav").string();
  ASSERT_EQ(run("speed " + shellQuote(note_) + " " + shellQuote(elsewhere) + " --fast").exitCode,
            0);
  EXPECT_FALSE(fs::exists(dir_.path() / "copy.wma"));
}

// The window's question before a folder goes for good, on a terminal (a pseudo-terminal from
// script(1) here): No keeps the folder, Yes deletes it.
TEST_F(CliMisuseTest, FolderDeleteAsksOnTheTerminal) {
  if (!test::haveProgram("script")) {
    GTEST_SKIP() << "no script(1) for a terminal";
  }
  const auto onTerminal = [&](const std::string& answer) {
    const std::string env =
        "LC_ALL=C XDG_CONFIG_HOME=" + shellQuote((dir_.path() / "config").string()) +
        " QUILLOPHONE_NOTES_DIR=" + shellQuote(notes_.string()) + " ";
    return test::runCommand("printf '" + answer + "\\n' | " + env + "script -qec " +
                            shellQuote(test::cliCommand() + " folder delete Business") +
                            " /dev/null");
  };
  auto r = onTerminal("n");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.out.find("folder \"Business\": Are you sure you want to delete this folder and "
                       "any notes in it? [y/N]"),
            std::string::npos)
      << r.out;
  EXPECT_TRUE(fs::exists(notes_ / "Business"));
  r = onTerminal("y");
  EXPECT_EQ(r.exitCode, 0) << r.out;
  EXPECT_FALSE(fs::exists(notes_ / "Business"));
}

TEST_F(CliMisuseTest, RecordingIntoAnAlarmFolderSaysHowToSetTheAlarm) {
  const auto r = run("record --seconds 1 --folder Alarms --name Rent --no-silkvoice");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string note = (notes_ / "Alarms" / "Rent.wav").string();
  EXPECT_EQ(r.out, note + "\n");
  EXPECT_EQ(r.err,
            "Folder \"Alarms\" asks for an alarm for each new note; set one with:\n"
            "  quillophone-cli alarm set '" +
                note + "' --at HH:MM\n");
  EXPECT_EQ(run("record --seconds 1 --folder Business --no-silkvoice").err, "");
}

// Whatever the last alarm's schedule was, an alarm set without one rings once, at the next
// time of day given: today, or tomorrow when that time has passed.
TEST_F(CliMisuseTest, AnAlarmWithoutAScheduleRingsOnceAtTheNextTime) {
  const std::string weekly = wav(notes_ / "Alarms" / "Weekly.wav", 1.0);
  ASSERT_EQ(
      run("alarm set " + shellQuote(weekly) + " --weekly sun,mon,tue,wed,thu,fri,sat").exitCode, 0);
  const auto hhmm = [](std::int64_t time) {
    const std::time_t t = time;
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[8];
    std::strftime(text, sizeof text, "%H:%M", &utc);
    return std::string(text);
  };
  const std::int64_t now = std::chrono::duration_cast<std::chrono::seconds>(
                               std::chrono::system_clock::now().time_since_epoch())
                               .count();
  struct Row {
    std::int64_t at;
    std::int64_t least, most;  // seconds from now to the alarm
  };
  for (const Row& row : {Row{now + 180, 60, 180}, Row{now - 180, 86400 - 300, 86400 - 180}}) {
    const auto r = run("alarm set " + shellQuote(note_) + " --at " + hhmm(row.at));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const AlarmRecord alarm = alarmOf(note_);
    EXPECT_EQ(alarm.schedule, AlarmRecord::kOneTime) << hhmm(row.at);
    EXPECT_GE(alarm.nextTime - now, row.least) << hhmm(row.at);
    EXPECT_LE(alarm.nextTime - now, row.most) << hhmm(row.at);
  }
  EXPECT_EQ(alarmOf(weekly).schedule, AlarmRecord::kWeekly);
}

}  // namespace
}  // namespace qp
