// The integer rate converter: phase bookkeeping, constants through both directions, the
// extra buffer, unsupported factors, the family shape of every table, and aliasing.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "dsp/CIntDec.h"
#include "dsp/DspTrace.h"
#include "support/DspTestSignals.h"

namespace qp::dsp {
namespace {

constexpr int kFactors[] = {2, 3, 4, 5, 6, 7, 8, 10, 12, 20, 24};

double responseDb(const std::vector<float>& h, double f) {
  double re = 0.0;
  double im = 0.0;
  for (std::size_t i = 0; i < h.size(); ++i) {
    re += h[i] * std::cos(2.0 * std::numbers::pi * f * static_cast<double>(i));
    im += h[i] * std::sin(2.0 * std::numbers::pi * f * static_cast<double>(i));
  }
  return 20.0 * std::log10(std::hypot(re, im));
}

TEST(CIntDec, TablesAreSymmetricLowPassesOf8FTapsSummingToOne) {
  for (const int F : kFactors) {
    SCOPED_TRACE("F=" + std::to_string(F));
    const std::vector<float> h = CIntDec::TableFor(F);
    ASSERT_EQ(h.size(), static_cast<std::size_t>(8 * F));
    double sum = 0.0;
    for (std::size_t i = 0; i < h.size(); ++i) {
      ASSERT_EQ(h[i], h[h.size() - 1 - i]);
      sum += h[i];
    }
    EXPECT_NEAR(sum, 1.0, 1e-6);
    // -3 dB near 0.42 / F of the input rate (0.21 for F = 2, 0.14 for F = 3).
    double minus3 = 0.0;
    while (responseDb(h, minus3) > -3.0103) {
      minus3 += 0.0001 / F;
    }
    EXPECT_NEAR(minus3 * F, 0.42, 0.015);
    // At least about 40 dB down from 0.69 / F on (F = 3 reaches -40 dB near 0.225).
    for (double f = 0.69 / F; f <= 0.5; f += 0.0005) {
      ASSERT_LT(responseDb(h, f), -39.5) << f;
    }
    EXPECT_TRUE(CIntDec::TableFor(9).empty());
  }
}

TEST(CIntDec, DecimatingTenSamplesByThreeYieldsThreeAndCarriesThePhase) {
  CIntDec c;
  ASSERT_TRUE(c.Setup(3, 1, 0));
  std::vector<float> x(10, 1.0f);
  EXPECT_EQ(c.Decimate(x.data(), 10), 3);
  std::vector<float> one(1, 1.0f);
  EXPECT_EQ(c.Decimate(one.data(), 1), 0);  // the tenth sample and this one: 2 of 3
  EXPECT_EQ(c.Decimate(one.data(), 1), 1);
}

TEST(CIntDec, ConstantsComeBackAfterDecimationAndAfterInterpolation) {
  for (const int F : kFactors) {
    SCOPED_TRACE("F=" + std::to_string(F));
    const float c = 1234.5f;
    CIntDec down;
    ASSERT_TRUE(down.Setup(F, 1, 0));
    std::vector<float> x(static_cast<std::size_t>(F) * 64, c);
    const int d = down.Decimate(x.data(), static_cast<int>(x.size()));
    ASSERT_EQ(d, 64);
    EXPECT_NEAR(x[63], c, 1e-5 * c);
    // Every polyphase row of the taps adds up to roughly 1 / F (F = 3: within about 3e-4).
    double worst = 0.0;
    const std::vector<float>& h = down.Taps();
    for (int p = 0; p < F; ++p) {
      double phase = 0.0;
      for (int i = 0; i < 8; ++i) {
        phase += h[p + i * F];
      }
      worst = std::max(worst, std::fabs(phase * F - 1.0));
    }
    CIntDec up;
    ASSERT_TRUE(up.Setup(F, 1, 0));
    std::vector<float> in(32, c);
    std::vector<float> out(static_cast<std::size_t>(32 * F));
    ASSERT_EQ(up.Interpolate(in.data(), 32, out.data(), 32 * F), 32 * F);
    for (std::size_t i = static_cast<std::size_t>(8 * F); i < out.size(); ++i) {
      ASSERT_NEAR(out[i], c, (worst + 1e-5) * c) << i;
    }
    EXPECT_LT(worst, F <= 3 ? 4e-4 : 2e-2);
  }
}

TEST(CIntDec, InterpolationKeepsWhatDoesNotFitAndWritesItFirstNextTime) {
  const std::vector<float> in = test::floatSine(300, 8000, 90, 1000.0);
  CIntDec whole;
  whole.Setup(3, 1, 0);
  std::vector<float> expected(270);
  ASSERT_EQ(whole.Interpolate(in.data(), 90, expected.data(), 270), 270);

  CIntDec cut;
  cut.Setup(3, 1, 0);
  std::vector<float> got(270, -1.0f);
  EXPECT_EQ(cut.Interpolate(in.data(), 60, got.data(), 100), 100);
  EXPECT_EQ(cut.ExtraCount(), 80);
  EXPECT_EQ(cut.Interpolate(in.data() + 60, 30, got.data() + 100, 170), 170);
  EXPECT_EQ(cut.ExtraCount(), 0);
  EXPECT_EQ(got, expected);
}

TEST(CIntDec, AFullExtraBufferDropsSamplesAndSaysSo) {
  test::DspTraceCapture traced;
  CIntDec c;
  c.Setup(2, 1, 0);
  std::vector<float> in(300, 1.0f);
  float out[4];
  EXPECT_EQ(c.Interpolate(in.data(), 300, out, 4), 4);
  EXPECT_EQ(c.ExtraCount(), CIntDec::kExtraCapacity);
  ASSERT_EQ(traced.messages().size(), 1u);
  EXPECT_EQ(traced.messages()[0], "CIntDec.Interpolate - extra buffer is full");
}

TEST(CIntDec, UnsupportedFactorLeavesTheConverterAsItWasButNotReady) {
  CIntDec c;
  ASSERT_TRUE(c.Setup(3, 2, 1));
  EXPECT_TRUE(c.Ready());
  EXPECT_FALSE(c.Setup(9, 1, 0));
  EXPECT_FALSE(c.Ready());
  EXPECT_EQ(c.Factor(), 3);
  EXPECT_EQ(c.Taps().size(), 24u);
  EXPECT_EQ(c.Stride(), 2);
  EXPECT_EQ(c.Offset(), 1);
}

TEST(CIntDec, StrideTwoTouchesOnlyItsChannel) {
  std::vector<float> x(40);
  for (int i = 0; i < 20; ++i) {
    x[2 * i] = -7.0f;
    x[2 * i + 1] = 3.0f;
  }
  CIntDec c;
  c.Setup(2, 2, 1);
  // 39 floats hold 19 samples of channel 1 (never reading x[39]): 9 outputs, 18 floats.
  EXPECT_EQ(c.Decimate(x.data(), 39), 18);
  for (int i = 0; i < 20; ++i) {
    ASSERT_EQ(x[2 * i], -7.0f);
  }
}

struct ToneRow {
  int F;
  double frequency;  // fraction of the input rate
  double minDb;
  double maxDb;
};

TEST(CIntDec, PassesLowTonesAndRejectsWhatWouldAlias) {
  const ToneRow rows[] = {
      {2, 0.02, -0.2, 0.2}, {2, 0.1, -0.6, 0.3},     {2, 0.4, -300.0, -38.0},  {3, 0.02, -0.2, 0.2},
      {3, 0.07, -0.6, 0.3}, {3, 0.3, -300.0, -38.0}, {3, 0.45, -300.0, -38.0},
  };
  for (const ToneRow& row : rows) {
    SCOPED_TRACE("F=" + std::to_string(row.F) + " f=" + std::to_string(row.frequency));
    std::vector<float> x = test::floatSine(row.frequency, 1.0, 30000, 1000.0);
    const std::vector<float> original = x;
    CIntDec down;
    down.Setup(row.F, 1, 0);
    const int d = down.Decimate(x.data(), static_cast<int>(x.size()));
    CIntDec up;
    up.Setup(row.F, 1, 0);
    std::vector<float> y(static_cast<std::size_t>(d * row.F));
    up.Interpolate(x.data(), d, y.data(), static_cast<int>(y.size()));
    const double gain = test::decibels(test::rmsOf(y, 2000, y.size()),
                                       test::rmsOf(original, 2000, original.size()));
    EXPECT_GE(gain, row.minDb);
    EXPECT_LE(gain, row.maxDb);
  }
}

}  // namespace
}  // namespace qp::dsp
