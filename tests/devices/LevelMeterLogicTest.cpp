// The level meter's segment for a peak, and the peak of a block.
#include "devices/LevelMeterLogic.h"

#include <gtest/gtest.h>

#include <vector>

namespace qp {
namespace {

TEST(LevelMeterLogicTest, SegmentOfAPeak) {
  struct Row {
    int segments;
    int peak;
    int segment;
  };
  const Row rows[] = {
      {10, -1, 0},     // cleared
      {10, 0, 0},      // silence
      {10, 1, 1},      // any sound lights the first segment
      {10, 3639, 1},   // segment width 32767 / 9 = 3640
      {10, 3640, 2},   //
      {10, 29119, 8},  // 29119 / 3640 = 7, + 1
      {10, 29120, 9},  //
      {10, 32767, 9},  // full scale: the top segment
      {10, 32768, 9},  // |-32768| stays at the top
      {2, 1, 1},       // two segments: off and on
      {2, 32767, 1},   //
      {16, 16384, 8},  // width 2184: 16384 / 2184 = 7, + 1
      {1, 32767, 0},   // one segment: always the first
      {0, 1000, 0},    // no segments at all
  };
  for (const Row& row : rows) {
    EXPECT_EQ(LevelMeterLogic::segmentFor(row.peak, row.segments), row.segment)
        << row.segments << " segments, peak " << row.peak;
  }
}

TEST(LevelMeterLogicTest, PeakOfABlockIsItsLargestAbsoluteSample) {
  struct Row {
    std::vector<std::int16_t> samples;
    int peak;
  };
  const std::vector<Row> rows = {
      {{}, 0}, {{0, 0, 0}, 0}, {{5, -7, 3}, 7}, {{-32768, 32767}, 32768}, {{100, -100}, 100},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(LevelMeterLogic::peakOf(row.samples.data(), row.samples.size()), row.peak);
  }
}

TEST(LevelMeterLogicTest, RedrawOnlyWhenTheLitSegmentChanges) {
  LevelMeterLogic meter(10);
  const std::vector<std::int16_t> loud = {0, -32000, 10};
  const std::vector<std::int16_t> quiet = {1, -2};
  EXPECT_FALSE(meter.SetLevel(0));  // starts cleared
  EXPECT_TRUE(meter.SetBlock(loud.data(), loud.size()));
  EXPECT_EQ(meter.segment(), 9);
  EXPECT_FALSE(meter.SetLevel(32767));
  EXPECT_TRUE(meter.SetBlock(quiet.data(), quiet.size()));
  EXPECT_EQ(meter.segment(), 1);
  EXPECT_FALSE(meter.SetLevel(3000));
  EXPECT_TRUE(meter.SetLevel(-1));
  EXPECT_EQ(meter.segment(), 0);
  EXPECT_FALSE(meter.SetBlock(nullptr, 0));
}

}  // namespace
}  // namespace qp
