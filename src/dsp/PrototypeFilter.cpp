#include "dsp/PrototypeFilter.h"

#include <array>
#include <cmath>

namespace qp::dsp {
namespace {

template <std::size_t Points>
std::array<float, Points> makeHann() {
  std::array<float, Points> table{};
  const double twoPi = 2.0 * 3.14159265358979323846;
  const double span = static_cast<double>(Points + 1);  // L + 2
  for (std::size_t n = 0; n < Points; ++n) {
    table[n] = static_cast<float>(0.5 - 0.5 * std::cos(twoPi * static_cast<double>(n + 1) / span));
  }
  return table;
}

float sinc(float x) {
  if (x == 0.0f) {
    return 1.0f;
  }
  const float px = 3.1415927f * x;
  return std::sin(px) / px;
}

}  // namespace

const float* hannWindow(int L) {
  static const std::array<float, 129> kHann129 = makeHann<129>();
  static const std::array<float, 257> kHann257 = makeHann<257>();
  return L == 128 ? kHann129.data() : kHann257.data();
}

void buildPrototype(int M, float width, float* out) {
  const int L = 2 * M;
  const float* w = hannWindow(L);
  float sum = 0.0f;
  for (int n = 0; n <= L; ++n) {
    out[n] = sinc(static_cast<float>(n - M) / width) * w[n];
    sum += out[n];
  }
  for (int n = 0; n <= L; ++n) {
    out[n] /= sum;
  }
}

}  // namespace qp::dsp
