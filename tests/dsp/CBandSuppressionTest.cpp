// The per-band suppression on synthetic band magnitudes: the warm-up floor, the doubling
// minimum window, stationary bands treated as noise, and the response to a louder burst.
#include <gtest/gtest.h>

#include <vector>

#include "dsp/CBandSuppression.h"

namespace qp::dsp {
namespace {

// Runs one frame where every band has the given magnitude (sign alternating per frame);
// returns the gains after the frame.
std::vector<float> frame(CBandSuppression& s, const std::vector<float>& magnitudes, int index) {
  std::vector<float> x = magnitudes;
  for (float& v : x) {
    v = index % 2 == 0 ? v : -v;
  }
  s.Apply(x.data());
  std::vector<float> gains;
  for (int k = 0; k < s.Bands(); ++k) {
    gains.push_back(s.Gain(k));
  }
  return gains;
}

TEST(CBandSuppression, EveryGainSitsAtTheFloorForTheFirst376FramesWhateverTheInput) {
  CBandSuppression s(16);
  for (int f = 0; f < 376; ++f) {
    std::vector<float> m(16);
    for (int k = 0; k < 16; ++k) {
      m[k] = static_cast<float>((f * 37 + k * 101) % 997) * (f % 50 < 10 ? 30.0f : 1.0f);
    }
    const std::vector<float> gains = frame(s, m, f);
    for (int k = 0; k < 16; ++k) {
      ASSERT_EQ(gains[k], 0.2f) << "frame " << f << " band " << k;
    }
  }
}

TEST(CBandSuppression, MinimumWindowRuns125_250_500_1000AndStays) {
  CBandSuppression s(2);
  const struct {
    int frames;
    int window;
  } rows[] = {{125, 125},  {126, 250},   {376, 250},   {377, 500},  {877, 500},
              {878, 1000}, {1878, 1000}, {1879, 1000}, {4000, 1000}};
  int done = 0;
  for (const auto& row : rows) {
    for (; done < row.frames; ++done) {
      frame(s, {5.0f, 5.0f}, done);
    }
    EXPECT_EQ(s.Window(), row.window) << "after " << row.frames << " frames";
  }
}

TEST(CBandSuppression, StationaryBandsAreTreatedAsNoise) {
  CBandSuppression s(3);
  const std::vector<float> m = {100.0f, 3.0f, 2500.0f};
  for (int f = 0; f < 6000; ++f) {
    const std::vector<float> gains = frame(s, m, f);
    for (int k = 0; k < 3; ++k) {
      ASSERT_EQ(gains[k], 0.2f) << "frame " << f << " band " << k;
    }
  }
  EXPECT_NEAR(s.Noise(0), 100.0f, 1.0f);
}

TEST(CBandSuppression, TenTimesLouderBurstOpensTheBandAndClosesAfterIt) {
  CBandSuppression s(2);
  int f = 0;
  for (; f < 1500; ++f) {
    frame(s, {100.0f, 100.0f}, f);
  }
  // Burst of 300 frames in band 0 only.
  int reached = -1;
  for (int i = 0; i < 300; ++i, ++f) {
    const std::vector<float> gains = frame(s, {1000.0f, 100.0f}, f);
    EXPECT_EQ(gains[1], 0.2f);
    if (reached < 0 && gains[0] >= 0.88f) {
      reached = i;
    }
    if (i >= 50) {
      ASSERT_GE(gains[0], 0.88f) << "burst frame " << i;
      ASSERT_LE(gains[0], 0.91f) << "burst frame " << i;
    }
  }
  EXPECT_GE(reached, 0);
  EXPECT_LE(reached, 50);
  int closed = -1;
  for (int i = 0; i < 200; ++i, ++f) {
    const std::vector<float> gains = frame(s, {100.0f, 100.0f}, f);
    if (closed < 0 && gains[0] == 0.2f) {
      closed = i;
    }
  }
  EXPECT_GE(closed, 20);  // the gain decays, it does not drop at once
  EXPECT_LE(closed, 100);
}

TEST(CBandSuppression, SilenceGivesExactZerosAndNoDivisionByZero) {
  CBandSuppression s(4);
  for (int f = 0; f < 2000; ++f) {
    std::vector<float> x(4, 0.0f);
    s.Apply(x.data());
    for (int k = 0; k < 4; ++k) {
      ASSERT_EQ(x[k], 0.0f);
      ASSERT_EQ(s.Gain(k), 0.2f);
    }
  }
}

}  // namespace
}  // namespace qp::dsp
