#include "dsp/CFFT.h"

#include <cmath>
#include <cstring>
#include "dsp/SimdClones.h"

namespace qp::dsp {
namespace {

// Twiddles of every stage, generated as the recurrence w <- w * wp with the stage multiplier
// wp halving its angle from stage to stage (starting at -1), all in double precision.
void buildTwiddles(int n, double sign, std::vector<double>& re, std::vector<double>& im) {
  re.clear();
  im.clear();
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
      re.push_back(wr);
      im.push_back(wi);
      const double nr = wr * wpr - wi * wpi;
      wi = wr * wpi + wi * wpr;
      wr = nr;
    }
  }
}

using Float4 = float __attribute__((vector_size(16)));
using Double4 = double __attribute__((vector_size(32)));

// Unaligned loads and stores of four lanes (by reference: a 32-byte vector is passed
// differently with and without AVX, so it never crosses a function boundary by value).
template <class V, class T>
void load(V& v, const T* p) {
  std::memcpy(&v, p, sizeof v);
}

template <class V, class T>
void store(T* p, const V& v) {
  std::memcpy(p, &v, sizeof v);
}

// One radix-2 stage past the second: butterflies of span 2 * half with twiddles w[j], four
// at a time (half is a multiple of 4). Each lane computes exactly what the scalar butterfly
// does: the twiddle product in double, rounded once to float, then the float sum and
// difference.
void stage(float* __restrict re, float* __restrict im, int n, int half, const double* __restrict wr,
           const double* __restrict wi) {
  for (int group = 0; group < n; group += 2 * half) {
    float* __restrict topRe = re + group;
    float* __restrict topIm = im + group;
    float* __restrict botRe = topRe + half;
    float* __restrict botIm = topIm + half;
    for (int j = 0; j < half; j += 4) {
      Float4 bottomRe;
      Float4 bottomIm;
      Float4 ar;
      Float4 ai;
      Double4 w;
      Double4 v;
      load(bottomRe, botRe + j);
      load(bottomIm, botIm + j);
      load(ar, topRe + j);
      load(ai, topIm + j);
      load(w, wr + j);
      load(v, wi + j);
      const Double4 br = __builtin_convertvector(bottomRe, Double4);
      const Double4 bi = __builtin_convertvector(bottomIm, Double4);
      const Float4 tr = __builtin_convertvector(w * br - v * bi, Float4);
      const Float4 ti = __builtin_convertvector(w * bi + v * br, Float4);
      store(botRe + j, ar - tr);
      store(botIm + j, ai - ti);
      store(topRe + j, ar + tr);
      store(topIm + j, ai + ti);
    }
  }
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
  m_reversed.assign(static_cast<std::size_t>(n), 0);
  for (int i = 0; i < n; ++i) {
    int r = 0;
    for (int b = 0; b < m_log2n; ++b) {
      r |= ((i >> b) & 1) << (m_log2n - 1 - b);
    }
    m_reversed[i] = r;
    if (i < r) {
      m_swaps.push_back(i);
      m_swaps.push_back(r);
    }
  }
  buildTwiddles(n, -1.0, m_forwardRe, m_forwardIm);
  buildTwiddles(n, 1.0, m_inverseRe, m_inverseIm);
  m_work.assign(2 * static_cast<std::size_t>(n), 0.0f);
  return true;
}

void CFFT::Transform(int direction, const float* in, float* out) {
  if (m_n == 0) {
    return;
  }
  float* re = m_work.data();
  float* im = re + m_n;
  for (int k = 0; k < m_n; ++k) {
    re[m_reversed[k]] = in[std::ptrdiff_t{2} * k];
    im[m_reversed[k]] = in[std::ptrdiff_t{2} * k + 1];
  }
  TransformPermuted(direction, re, im);
  for (int k = 0; k < m_n; ++k) {
    out[std::ptrdiff_t{2} * k] = re[k];
    out[std::ptrdiff_t{2} * k + 1] = im[k];
  }
}

void CFFT::TransformSplit(int direction, float* re, float* im) const {
  if (m_n == 0) {
    return;
  }
  for (std::size_t s = 0; s < m_swaps.size(); s += 2) {
    const int a = m_swaps[s];
    const int b = m_swaps[s + 1];
    const float r = re[a];
    const float i = im[a];
    re[a] = re[b];
    im[a] = im[b];
    re[b] = r;
    im[b] = i;
  }
  TransformPermuted(direction, re, im);
}

QP_DSP_CLONES void CFFT::TransformPermuted(int direction, float* re, float* im,
                                           bool scaleInverse) const {
  if (m_n == 0) {
    return;
  }
  const bool forward = direction == kForward;
  FirstStages(re, im, forward);
  const double* wr = forward ? m_forwardRe.data() : m_inverseRe.data();
  const double* wi = forward ? m_forwardIm.data() : m_inverseIm.data();
  for (int half = 4; half < m_n; half *= 2) {
    stage(re, im, m_n, half, wr + half - 1, wi + half - 1);  // stage tables start at half - 1
  }
  if (!forward && scaleInverse) {
    // n is a power of two, so multiplying by the exact 1/n equals dividing by n.
    const float scale = 1.0f / static_cast<float>(m_n);
    for (int k = 0; k < m_n; ++k) {
      re[k] *= scale;
      im[k] *= scale;
    }
  }
}

// The first two stages multiply by 1 and by -i (forward) or +i (inverse) only, which is exact
// in float, so they are done without the double-precision products, four points at a time.
void CFFT::FirstStages(float* __restrict re, float* __restrict im, bool forward) const {
  if (m_n == 2) {
    const float tr = re[1];
    const float ti = im[1];
    re[1] = re[0] - tr;
    im[1] = im[0] - ti;
    re[0] += tr;
    im[0] += ti;
    return;
  }
  const float sign = forward ? 1.0f : -1.0f;
  for (int i = 0; i + 3 < m_n; i += 4) {
    // Span 2: (0, 1) and (2, 3).
    const float s0r = re[i] + re[i + 1];
    const float s0i = im[i] + im[i + 1];
    const float d0r = re[i] - re[i + 1];
    const float d0i = im[i] - im[i + 1];
    const float s1r = re[i + 2] + re[i + 3];
    const float s1i = im[i + 2] + im[i + 3];
    const float d1r = re[i + 2] - re[i + 3];
    const float d1i = im[i + 2] - im[i + 3];
    // Span 4: twiddle 1 for (0, 2), -i or +i for (1, 3).
    const float tr = sign * d1i;
    const float ti = -sign * d1r;
    re[i] = s0r + s1r;
    im[i] = s0i + s1i;
    re[i + 2] = s0r - s1r;
    im[i + 2] = s0i - s1i;
    re[i + 1] = d0r + tr;
    im[i + 1] = d0i + ti;
    re[i + 3] = d0r - tr;
    im[i + 3] = d0i - ti;
  }
}

}  // namespace qp::dsp
