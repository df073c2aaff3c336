// Loading, rewriting, saving and deleting alarm files, with every file size and garbage.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <vector>

#include "alarms/AlarmFile.h"
#include "common/LittleEndian.h"
#include "support/AlarmRecordBytes.h"
#include "support/ScopedTimeZone.h"
#include "support/TempDir.h"

namespace qp {
namespace {

using test::localTimeValue;
using test::readFileBytes;
using test::writeFileBytes;

class AlarmFileTest : public ::testing::Test {
 protected:
  // A weekly alarm, Mondays 08:00, already brought up to date for now_ (Pending).
  AlarmRecord upToDate() const {
    AlarmRecord r;
    r.hour = 8;
    r.schedule = AlarmRecord::kWeekly;
    r.weekdays[1] = 1;
    r.message = "Standup";
    r.state = AlarmState::Pending;
    r.nextTime = static_cast<std::int32_t>(localTimeValue(2026, 5, 11, 8));
    return r;
  }

  test::ScopedTimeZone zone_{"Europe/Berlin"};
  test::TempDir dir_;
  std::string path_ = dir_.file("Memo.alm");
  std::int64_t now_ = localTimeValue(2026, 5, 4, 9);  // a Monday, after 08:00
};

TEST_F(AlarmFileTest, PathReplacesTheLastThreeCharacters) {
  EXPECT_EQ(AlarmFile::pathForNote("/notes/Work/Memo.wav"), "/notes/Work/Memo.alm");
  EXPECT_EQ(AlarmFile::pathForNote("/notes/Work/Memo.part.WAV"), "/notes/Work/Memo.part.alm");
  EXPECT_EQ(AlarmFile::pathForNote("ab"), "alm");
}

TEST_F(AlarmFileTest, UpToDateRecordIsNotRewritten) {
  std::vector<std::uint8_t> stored = test::recordBytes(upToDate());
  stored[132 + 50] = 0x7E;  // bytes after the message's NUL: only a rewrite clears them
  writeFileBytes(path_, stored);
  const std::optional<AlarmRecord> r = AlarmFile::load(path_, now_);
  ASSERT_TRUE(r);
  EXPECT_EQ(*r, upToDate());
  EXPECT_EQ(readFileBytes(path_), stored);
}

TEST_F(AlarmFileTest, ChangedStateIsWrittenBack) {
  AlarmRecord stale = upToDate();
  stale.state = AlarmState::Inactive;
  stale.nextTime = 0;
  writeFileBytes(path_, test::recordBytes(stale));
  const std::optional<AlarmRecord> r = AlarmFile::load(path_, now_);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->state, AlarmState::Pending);
  EXPECT_EQ(readFileBytes(path_), test::recordBytes(upToDate()));
}

TEST_F(AlarmFileTest, EverySizeOfFile) {
  const std::vector<std::uint8_t> full = test::recordBytes(upToDate());
  for (std::size_t size = 0; size <= 300; ++size) {
    SCOPED_TRACE(size);
    std::vector<std::uint8_t> stored(full.begin(), full.begin() + std::min(size, full.size()));
    stored.resize(size, 0x11);
    writeFileBytes(path_, stored);
    const std::optional<AlarmRecord> r = AlarmFile::load(path_, now_);
    if (size >= 240) {
      // A current record (its state is up to date, so the file stays as it was).
      ASSERT_TRUE(r);
      EXPECT_EQ(r->message, "Standup");
      EXPECT_EQ(readFileBytes(path_), stored);
    } else if (size == 232 || size == 236) {
      // Read as a legacy record and always rewritten in the current form.
      ASSERT_TRUE(r);
      EXPECT_EQ(readFileBytes(path_).size(), 244u);
    } else {
      EXPECT_FALSE(r);
      EXPECT_EQ(readFileBytes(path_), stored);  // ignored, never deleted or changed
    }
  }
}

TEST_F(AlarmFileTest, LegacyFileIsConvertedAndRewritten) {
  const AlarmRecord expected = upToDate();
  const std::vector<std::uint8_t> current = test::recordBytes(expected);
  std::vector<std::uint8_t> legacy(236);
  const auto lead = static_cast<std::uint32_t>(localTimeValue(2020, 1, 1, 8, 0, 0));
  putLe32(legacy.data(), lead);
  std::copy(current.begin() + 12, current.end(), legacy.begin() + 4);
  legacy[224] = 0;  // stored state Inactive: recomputed to Pending
  writeFileBytes(path_, legacy);
  const std::optional<AlarmRecord> r = AlarmFile::load(path_, now_);
  ASSERT_TRUE(r);
  EXPECT_EQ(*r, expected);
  EXPECT_EQ(readFileBytes(path_), current);
}

TEST_F(AlarmFileTest, MissingOrUnreadableFileMeansNoAlarm) {
  EXPECT_FALSE(AlarmFile::load(path_, now_));
  std::filesystem::create_directory(path_);
  EXPECT_FALSE(AlarmFile::load(path_, now_));
}

TEST_F(AlarmFileTest, GarbageContentLoadsSafely) {
  std::mt19937 random(42);
  for (int round = 0; round < 300; ++round) {
    std::vector<std::uint8_t> stored(244);
    for (auto& b : stored) {
      b = static_cast<std::uint8_t>(random());
    }
    if (round % 2 == 1) {  // a valid time of day, so the calendar code meets the garbage
      for (std::size_t field = 0; field < 3; ++field) {
        std::fill_n(stored.begin() + 4 * field, 4, 0);
        stored[4 * field] = static_cast<std::uint8_t>(random() % (field == 0 ? 24 : 60));
      }
    }
    writeFileBytes(path_, stored);
    const std::optional<AlarmRecord> r = AlarmFile::load(path_, now_);
    ASSERT_TRUE(r);
    EXPECT_LE(r->message.size(), 99u);
    EXPECT_EQ(r->message.find('\0'), std::string::npos);
    EXPECT_EQ(readFileBytes(path_).size(), 244u);
  }
}

TEST_F(AlarmFileTest, SaveAndRemove) {
  EXPECT_TRUE(AlarmFile::save(path_, upToDate()));
  EXPECT_EQ(readFileBytes(path_), test::recordBytes(upToDate()));
  writeFileBytes(path_, std::vector<std::uint8_t>(400, 1));
  EXPECT_TRUE(AlarmFile::save(path_, upToDate()));  // truncates a longer file
  EXPECT_EQ(readFileBytes(path_).size(), 244u);
  EXPECT_FALSE(AlarmFile::save(dir_.file("missing/Memo.alm"), upToDate()));
  EXPECT_TRUE(AlarmFile::remove(path_));
  EXPECT_FALSE(std::filesystem::exists(path_));
  EXPECT_TRUE(AlarmFile::remove(path_));
}

}  // namespace
}  // namespace qp
