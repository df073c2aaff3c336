#include "dsp/CFFT.h"

#include <cmath>
#include <cstring>

namespace qp::dsp {
namespace {

// Twiddles of every stage, generated as the recurrence w <- w * wp with the stage multiplier
// wp halving its angle from stage to stage (starting at -1), all in double precision.
std::vector<double> buildTwiddles(int n, double sign) {
  std::vector<double> table;
  table.reserve(2 * static_cast<std::size_t>(n));
  double wpr = -1.0;
  double wpi = 0.0;
  for (int half = 1; half < n; half *= 2) {
    if (half > 1) {
      const double c = wpr;
      wpr = std::sqrt((1.0 + c) / 2.0);
      wpi = sign * std::sqrt((1.0 - c) / 2.0);
    }
    double wr = 1.0;
    double wi = 0.0;
    for (int j = 0; j < half; ++j) {
      table.push_back(wr);
      table.push_back(wi);
      const double nr = wr * wpr - wi * wpi;
      wi = wr * wpi + wi * wpr;
      wr = nr;
    }
  }
  return table;
}

}  // namespace

bool CFFT::Init(int kind, int n) {
  if ((kind != 1 && kind != 2) || n < 1 || (n & (n - 1)) != 0) {
    return false;
  }
  m_kind = kind;
  m_n = n;
  m_log2n = 0;
  while ((1 << m_log2n) < n) {
    ++m_log2n;
  }
  m_swaps.clear();
  for (int i = 0; i < n; ++i) {
    int r = 0;
    for (int b = 0; b < m_log2n; ++b) {
      r |= ((i >> b) & 1) << (m_log2n - 1 - b);
    }
    if (i < r) {
      m_swaps.push_back(i);
      m_swaps.push_back(r);
    }
  }
  m_forwardTwiddle = buildTwiddles(n, -1.0);
  m_inverseTwiddle = buildTwiddles(n, 1.0);
  m_work = kind == 2 ? std::make_unique<float[]>(2 * static_cast<std::size_t>(n)) : nullptr;
  return true;
}

void CFFT::Transform(int direction, const float* in, float* out) const {
  if (m_n == 0) {
    return;
  }
  if (in != out) {
    std::memcpy(out, in, 2 * static_cast<std::size_t>(m_n) * sizeof(float));
  }
  for (std::size_t s = 0; s < m_swaps.size(); s += 2) {
    float* a = out + 2 * m_swaps[s];
    float* b = out + 2 * m_swaps[s + 1];
    const float re = a[0];
    const float im = a[1];
    a[0] = b[0];
    a[1] = b[1];
    b[0] = re;
    b[1] = im;
  }
  const bool forward = direction == kForward;
  Butterflies(forward ? m_forwardTwiddle.data() : m_inverseTwiddle.data(), out);
  if (!forward) {
    const float n = static_cast<float>(m_n);
    for (int i = 0; i < 2 * m_n; ++i) {
      out[i] /= n;
    }
  }
}

void CFFT::Butterflies(const double* twiddles, float* data) const {
  for (int half = 1; half < m_n; half *= 2) {
    for (int group = 0; group < m_n; group += 2 * half) {
      float* top = data + 2 * group;
      float* bottom = top + 2 * half;
      for (int j = 0; j < half; ++j) {
        const double wr = twiddles[2 * j];
        const double wi = twiddles[2 * j + 1];
        const float tr = static_cast<float>(wr * bottom[2 * j] - wi * bottom[2 * j + 1]);
        const float ti = static_cast<float>(wr * bottom[2 * j + 1] + wi * bottom[2 * j]);
        bottom[2 * j] = top[2 * j] - tr;
        bottom[2 * j + 1] = top[2 * j + 1] - ti;
        top[2 * j] += tr;
        top[2 * j + 1] += ti;
      }
    }
    twiddles += 2 * half;
  }
}

}  // namespace qp::dsp
