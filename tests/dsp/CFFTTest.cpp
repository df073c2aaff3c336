#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "dsp/CFFT.h"

namespace qp::dsp {
namespace {

std::vector<std::complex<double>> naiveDft(const std::vector<float>& x, int n, double sign) {
  std::vector<std::complex<double>> y(static_cast<std::size_t>(n));
  for (int m = 0; m < n; ++m) {
    for (int k = 0; k < n; ++k) {
      const double a = sign * 2.0 * std::numbers::pi * k * m / n;
      y[m] += std::complex<double>(x[2 * k], x[2 * k + 1]) * std::polar(1.0, a);
    }
  }
  return y;
}

std::vector<float> testInput(int n) {
  std::vector<float> x(2 * static_cast<std::size_t>(n));
  for (int i = 0; i < 2 * n; ++i) {
    x[i] = static_cast<float>(std::sin(0.37 * i * i + 1.0) * 100.0);
  }
  return x;
}

TEST(CFFT, AcceptsOnlyPowersOfTwoAndKindsOneAndTwo) {
  CFFT fft;
  for (const int n : {1, 2, 4, 16, 32, 1024}) {
    EXPECT_TRUE(fft.Init(1, n)) << n;
    EXPECT_EQ(fft.Size(), n);
    EXPECT_EQ(1 << fft.Log2Size(), n);
    EXPECT_EQ(fft.HalfSizePlusOne(), n / 2 + 1);
  }
  EXPECT_TRUE(fft.Init(2, 64));
  for (const int n : {0, -8, 3, 12, 24, 33}) {
    EXPECT_FALSE(fft.Init(1, n)) << n;
  }
  EXPECT_FALSE(fft.Init(0, 16));
  EXPECT_FALSE(fft.Init(3, 16));
  EXPECT_EQ(fft.Size(), 64);  // a refused Init changes nothing
  EXPECT_EQ(fft.Kind(), 2);
}

TEST(CFFT, ForwardIsTheUnscaledDftAndInverseDividesByN) {
  for (const int n : {2, 8, 16, 32, 256}) {
    CFFT fft;
    ASSERT_TRUE(fft.Init(1, n));
    const std::vector<float> x = testInput(n);
    std::vector<float> y(x.size());
    fft.Transform(CFFT::kForward, x.data(), y.data());
    const auto expectedForward = naiveDft(x, n, -1.0);
    for (int m = 0; m < n; ++m) {
      ASSERT_NEAR(y[2 * m], expectedForward[m].real(), 1e-3 * n) << n << "/" << m;
      ASSERT_NEAR(y[2 * m + 1], expectedForward[m].imag(), 1e-3 * n) << n << "/" << m;
    }
    std::vector<float> back = y;
    fft.Transform(CFFT::kInverse, back.data(), back.data());  // in place
    for (std::size_t i = 0; i < x.size(); ++i) {
      ASSERT_NEAR(back[i], x[i], 1e-3) << n << "/" << i;
    }
    const auto expectedInverse = naiveDft(x, n, 1.0);
    std::vector<float> z(x.size());
    fft.Transform(CFFT::kInverse, x.data(), z.data());
    for (int m = 0; m < n; ++m) {
      ASSERT_NEAR(z[2 * m], expectedInverse[m].real() / n, 1e-4 * n);
      ASSERT_NEAR(z[2 * m + 1], expectedInverse[m].imag() / n, 1e-4 * n);
    }
  }
}

TEST(CFFT, SplitAndPermutedFormsGiveTheSameNumbersAsTheInterleavedForm) {
  for (const int n : {1, 2, 4, 16, 32}) {
    CFFT fft;
    ASSERT_TRUE(fft.Init(1, n));
    const std::vector<float> x = testInput(n);
    for (const int direction : {CFFT::kForward, CFFT::kInverse}) {
      std::vector<float> interleaved(x.size());
      fft.Transform(direction, x.data(), interleaved.data());
      std::vector<float> re(static_cast<std::size_t>(n));
      std::vector<float> im(static_cast<std::size_t>(n));
      std::vector<float> pre(static_cast<std::size_t>(n));
      std::vector<float> pim(static_cast<std::size_t>(n));
      for (int k = 0; k < n; ++k) {
        re[k] = x[2 * k];
        im[k] = x[2 * k + 1];
        pre[fft.BitReversed()[k]] = x[2 * k];
        pim[fft.BitReversed()[k]] = x[2 * k + 1];
      }
      fft.TransformSplit(direction, re.data(), im.data());
      fft.TransformPermuted(direction, pre.data(), pim.data());
      for (int k = 0; k < n; ++k) {
        ASSERT_EQ(re[k], interleaved[2 * k]) << n << "/" << k;
        ASSERT_EQ(im[k], interleaved[2 * k + 1]) << n << "/" << k;
        ASSERT_EQ(pre[k], re[k]);
        ASSERT_EQ(pim[k], im[k]);
      }
    }
  }
}

}  // namespace
}  // namespace qp::dsp
