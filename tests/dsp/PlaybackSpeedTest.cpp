#include "dsp/PlaybackSpeed.h"

#include <gtest/gtest.h>

namespace qp::dsp {
namespace {

TEST(PlaybackSpeedTest, PositionsMapToSignedCycleLengths) {
  struct Row {
    int position;
    int cycleLength;
    double speed;
  };
  const Row rows[] = {{0, 0, 1.0},         {-1, 100, 100.0 / 99}, {1, -100, 100.0 / 101},
                      {-2, 52, 52.0 / 51}, {2, -52, 52.0 / 53},   {-3, 34, 34.0 / 33},
                      {9, -12, 12.0 / 13}, {-18, 3, 1.5},         {18, -3, 0.75},
                      {-19, 2, 2.0},       {19, -2, 2.0 / 3},     {-40, 2, 2.0},
                      {25, -2, 2.0 / 3}};
  for (const Row& row : rows) {
    SCOPED_TRACE("position " + std::to_string(row.position));
    EXPECT_EQ(PlaybackSpeed::CycleLength(row.position), row.cycleLength);
    EXPECT_DOUBLE_EQ(PlaybackSpeed::SpeedFactor(row.position), row.speed);
  }
}

TEST(PlaybackSpeedTest, SpeedChangesSteadilyAcrossTheRange) {
  for (int s = PlaybackSpeed::kMinPosition; s < PlaybackSpeed::kMaxPosition; ++s) {
    EXPECT_GT(PlaybackSpeed::SpeedFactor(s), PlaybackSpeed::SpeedFactor(s + 1)) << "at " << s;
  }
}

}  // namespace
}  // namespace qp::dsp
