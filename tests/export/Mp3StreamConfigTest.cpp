// The encoder configuration record: byte layout and reading it back.
#include <gtest/gtest.h>

#include "common/LittleEndian.h"
#include "export/Mp3StreamConfig.h"

namespace qp {
namespace {

TEST(Mp3StreamConfigTest, MonoNoteRecordHasTheFixedFieldsAtTheirOffsets) {
  const auto bytes = Mp3StreamConfig::forNote(8000, 1).toBytes();
  ASSERT_EQ(bytes.size(), 331u);
  const std::pair<std::size_t, std::uint32_t> fields[] = {
      {0, 256}, {4, 1},  {8, 331}, {12, 8000}, {16, 0}, {20, 3}, {24, 32}, {28, 0},
      {32, 0},  {36, 1}, {40, 0},  {44, 0},    {48, 0}, {52, 0}, {56, 0},  {60, 1},
      {64, 1},  {68, 0}, {72, 0},  {76, 0},    {80, 0}, {84, 1}, {88, 0}};
  for (const auto& [offset, value] : fields) {
    EXPECT_EQ(getLe32(bytes.data() + offset), value) << "offset " << offset;
  }
  for (std::size_t i = 92; i < bytes.size(); ++i) {
    ASSERT_EQ(bytes[i], 0) << "byte " << i;
  }
}

TEST(Mp3StreamConfigTest, StereoNoteIsJointStereo) {
  const auto bytes = Mp3StreamConfig::forNote(22050, 2).toBytes();
  EXPECT_EQ(getLe32(bytes.data() + 12), 22050u);
  EXPECT_EQ(getLe32(bytes.data() + 20), 1u);
}

TEST(Mp3StreamConfigTest, ReadsBackWhatItWrites) {
  Mp3StreamConfig config = Mp3StreamConfig::forNote(11025, 2);
  config.quality = 0xFA05;
  config.vbrQuality = -1;
  const auto bytes = config.toBytes();
  const auto back = Mp3StreamConfig::fromBytes(bytes.data());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->sampleRate, 11025u);
  EXPECT_EQ(back->mode, Mp3StreamConfig::kModeJointStereo);
  EXPECT_EQ(back->quality, 0xFA05);
  EXPECT_EQ(back->vbrQuality, -1);
  EXPECT_EQ(back->noReservoir, 1u);
}

TEST(Mp3StreamConfigTest, RefusesOtherKindsAndShortRecords) {
  auto bytes = Mp3StreamConfig::forNote(8000, 1).toBytes();
  putLe32(bytes.data(), 0);  // the MP3 kind of the older layout
  EXPECT_FALSE(Mp3StreamConfig::fromBytes(bytes.data()));
  bytes = Mp3StreamConfig::forNote(8000, 1).toBytes();
  putLe32(bytes.data() + 8, 40);
  EXPECT_FALSE(Mp3StreamConfig::fromBytes(bytes.data()));
}

}  // namespace
}  // namespace qp
