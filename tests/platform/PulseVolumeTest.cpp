// Volumes between the mixer's scale and the sound server's.
#include "platform/PulseVolume.h"

#include <gtest/gtest.h>

namespace qp {
namespace {

TEST(PulseVolumeTest, EndsAndPercentagesMapBothWays) {
  struct Row {
    std::uint32_t mixer;
    pa_volume_t server;
  };
  const Row rows[] = {
      {0, PA_VOLUME_MUTED}, {65535, PA_VOLUME_NORM}, {32767, 32767},
      {26214, 26214},  // 40 %: the desktop shows the same percentage as the command line
      {3276, 3276},    // the audible minimum
  };
  for (const Row& row : rows) {
    EXPECT_EQ(PulseVolume::fromMixer(row.mixer), row.server) << row.mixer;
    EXPECT_EQ(PulseVolume::toMixer(row.server), row.mixer) << row.server;
  }
  EXPECT_EQ(PulseVolume::toMixer(32768), 32768u);               // 50 % in the sound settings
  EXPECT_EQ(PulseVolume::fromMixer(32768), 32769u);             // half way up: rounded up
  EXPECT_EQ(PulseVolume::toMixer(PA_VOLUME_NORM * 2), 65535u);  // above 100 %: full scale
  EXPECT_EQ(PulseVolume::fromMixer(70000), PA_VOLUME_NORM);
}

TEST(PulseVolumeTest, EveryMixerValueSurvivesTheRoundTrip) {
  // A change event carries what was written; were it to come back different, the program's
  // own write would look like somebody else's.
  for (std::uint32_t value = 0; value <= 65535; ++value) {
    ASSERT_EQ(PulseVolume::toMixer(PulseVolume::fromMixer(value)), value);
  }
}

}  // namespace
}  // namespace qp
