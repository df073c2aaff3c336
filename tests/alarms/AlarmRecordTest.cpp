// The alarm record's byte layout, the legacy layouts and the message rule.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "alarms/AlarmRecord.h"
#include "common/LittleEndian.h"
#include "support/AlarmRecordBytes.h"
#include "support/ScopedTimeZone.h"

namespace qp {
namespace {

std::int32_t le32At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::int32_t>(getLe32(&b[at]));
}

void putLe32At(std::vector<std::uint8_t>& b, std::size_t at, std::int32_t value) {
  putLe32(&b[at], static_cast<std::uint32_t>(value));
}

// Every field different, so a field written at the wrong offset shows.
AlarmRecord distinctRecord() {
  AlarmRecord r;
  r.hour = 7;
  r.minute = 45;
  r.second = 30;
  r.schedule = AlarmRecord::kMonthly;
  r.playOnDate = 1780000000;
  r.eraseAfterPlaying = 1;
  for (std::size_t i = 0; i < 7; ++i) {
    r.weekdays[i] = static_cast<std::int32_t>(100 + i);
  }
  r.monthlyMode = AlarmRecord::kNthWeekday;
  r.dayOfMonth = 31;
  r.ordinal = 4;
  r.weekday = 6;
  for (std::size_t i = 0; i < 12; ++i) {
    r.months[i] = static_cast<std::int32_t>(200 + i);
  }
  r.playTone = 11;
  r.showPopup = 12;
  r.replay = 13;
  r.replayMinutes = 60;
  r.message = "Call the dentist";
  r.state = AlarmState::Unset;
  r.snoozeUntil = 1780000600;
  r.nextTime = -2;
  return r;
}

TEST(AlarmRecordTest, LayoutIsLittleEndianAtFixedOffsets) {
  const std::vector<std::uint8_t> b = test::recordBytes(distinctRecord());
  ASSERT_EQ(b.size(), 244u);
  EXPECT_EQ(le32At(b, 0), 7);
  EXPECT_EQ(le32At(b, 4), 45);
  EXPECT_EQ(le32At(b, 8), 30);
  EXPECT_EQ(le32At(b, 12), 2);
  EXPECT_EQ(le32At(b, 16), 1780000000);
  EXPECT_EQ(le32At(b, 20), 1);
  EXPECT_EQ(le32At(b, 24), 100);
  EXPECT_EQ(le32At(b, 48), 106);
  EXPECT_EQ(le32At(b, 52), 1);
  EXPECT_EQ(le32At(b, 56), 31);
  EXPECT_EQ(le32At(b, 60), 4);
  EXPECT_EQ(le32At(b, 64), 6);
  EXPECT_EQ(le32At(b, 68), 200);
  EXPECT_EQ(le32At(b, 112), 211);
  EXPECT_EQ(le32At(b, 116), 11);
  EXPECT_EQ(le32At(b, 120), 12);
  EXPECT_EQ(le32At(b, 124), 13);
  EXPECT_EQ(le32At(b, 128), 60);
  EXPECT_EQ(std::memcmp(b.data() + 132, "Call the dentist", 17), 0);  // with its NUL
  for (std::size_t i = 132 + 16; i < 232; ++i) {
    ASSERT_EQ(b[i], 0) << "message padding at " << i;
  }
  EXPECT_EQ(b[232], 0xFF);  // Unset is -1
  EXPECT_EQ(le32At(b, 232), -1);
  EXPECT_EQ(le32At(b, 236), 1780000600);
  EXPECT_EQ(le32At(b, 240), -2);
}

TEST(AlarmRecordTest, CurrentRecordRoundTripsAndAcceptsShortAndLongFiles) {
  const AlarmRecord r = distinctRecord();
  std::vector<std::uint8_t> b = test::recordBytes(r);
  EXPECT_EQ(AlarmRecord::fromBytes(b), r);
  // 240 to 243 bytes: the missing bytes of nextTime read as zero.
  b.resize(240);
  AlarmRecord noNext = r;
  noNext.nextTime = 0;
  EXPECT_EQ(AlarmRecord::fromBytes(b), noNext);
  b.push_back(0x05);
  noNext.nextTime = 5;
  EXPECT_EQ(AlarmRecord::fromBytes(b), noNext);
  // Longer input: only the first 244 bytes count.
  std::vector<std::uint8_t> longer = test::recordBytes(r);
  longer.insert(longer.end(), 56, 0xAB);
  EXPECT_EQ(AlarmRecord::fromBytes(longer), r);
  b.resize(239);
  EXPECT_FALSE(AlarmRecord::fromBytes(b));
  EXPECT_FALSE(AlarmRecord::fromLegacyBytes(test::recordBytes(r)));
}

TEST(AlarmRecordTest, StoredMessageIsAtMost99Characters) {
  std::vector<std::uint8_t> b = test::recordBytes(distinctRecord());
  std::memset(b.data() + 132, 'x', 100);  // no terminating NUL in the field
  EXPECT_EQ(AlarmRecord::fromBytes(b)->message, std::string(99, 'x'));
  b[132 + 10] = 0;  // text after the NUL is not part of the message
  EXPECT_EQ(AlarmRecord::fromBytes(b)->message, std::string(10, 'x'));

  AlarmRecord r;
  r.setMessage(std::string(150, 'y'));
  EXPECT_EQ(r.message, std::string(99, 'y'));
  r.setMessage(std::string(98, 'y') + "\xC3\xA9");  // an accented letter across the limit
  EXPECT_EQ(r.message, std::string(98, 'y'));
  r.setMessage(std::string("ab\0cd", 5));
  EXPECT_EQ(r.message, "ab");
  // A message set directly with more bytes is still written NUL-terminated.
  r.message = std::string(120, 'z');
  const std::vector<std::uint8_t> written = test::recordBytes(r);
  EXPECT_EQ(written[132 + 98], 'z');
  EXPECT_EQ(written[132 + 99], 0);
  EXPECT_EQ(le32At(written, 232), 0);
}

std::vector<std::uint8_t> legacyBytes(const AlarmRecord& r, std::int32_t timeOfDay,
                                      std::size_t size) {
  std::vector<std::uint8_t> current = test::recordBytes(r);
  std::vector<std::uint8_t> legacy(size);
  putLe32At(legacy, 0, timeOfDay);
  std::copy(current.begin() + 12, current.begin() + 12 + (size - 4), legacy.begin() + 4);
  return legacy;
}

TEST(AlarmRecordTest, LegacyRecordsTakeTheTimeOfDayOfTheirLeadingTime) {
  test::ScopedTimeZone zone("Europe/Berlin");
  const AlarmRecord r = distinctRecord();
  const auto lead = static_cast<std::int32_t>(test::localTimeValue(2026, 7, 14, 21, 5, 9));

  const std::optional<AlarmRecord> full = AlarmRecord::fromLegacyBytes(legacyBytes(r, lead, 236));
  ASSERT_TRUE(full);
  AlarmRecord expected = r;
  expected.hour = 21;
  expected.minute = 5;
  expected.second = 9;
  EXPECT_EQ(*full, expected);

  const std::optional<AlarmRecord> shorter =
      AlarmRecord::fromLegacyBytes(legacyBytes(r, lead, 232));
  ASSERT_TRUE(shorter);
  expected.nextTime = 0;
  EXPECT_EQ(*shorter, expected);

  for (std::size_t size : {231u, 233u, 235u, 237u, 240u}) {
    EXPECT_FALSE(AlarmRecord::fromLegacyBytes(std::vector<std::uint8_t>(size))) << size;
  }
}

}  // namespace
}  // namespace qp
