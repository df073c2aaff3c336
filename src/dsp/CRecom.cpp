#include "dsp/CRecom.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "dsp/DspTrace.h"
#include "dsp/PrototypeFilter.h"
#include "dsp/SimdClones.h"

namespace qp::dsp {
namespace {

constexpr float kTwoPi = 6.2831855f;

// Adds one frame's windowed output to the accumulator: even blocks of K slots get g0 vRe,
// odd blocks lose g1 vIm.
void overlapAdd(float* __restrict acc, const float* __restrict g0, const float* __restrict g1,
                const float* __restrict vRe, const float* __restrict vIm, int L, int K) {
  for (int jj = 0; jj < L; jj += 2 * K) {
    for (int k = 0; k < K; ++k) {
      acc[jj + k] += g0[jj + k] * vRe[k];
      acc[jj + K + k] -= g1[jj + K + k] * vIm[k];
    }
  }
}

// The same for a band count known at compile time (fixed trip counts, no remainder loops).
template <int K>
void overlapAdd(float* __restrict acc, const float* __restrict g0, const float* __restrict g1,
                const float* __restrict vRe, const float* __restrict vIm, int L) {
  overlapAdd(acc, g0, g1, vRe, vIm, L, K);
}

}  // namespace

bool CRecom::Init(int K, int N, int M, CSampleQueue* const* bandQueues) {
  m_suppression.reset();
  m_accumulator.clear();
  m_base = 0;
  m_K = K;
  m_N = N;
  m_M = M;
  m_L = 2 * M;
  m_pRecomBuffers = bandQueues;
  m_j = 0;
  if (K < 1 || N < 1 || M < 1 || m_L % (2 * K) != 0 || m_L % N != 0 || !m_fft.Init(1, K)) {
    m_K = 0;
    return false;
  }
  BuildTables();
  m_accumulator.assign(2 * static_cast<std::size_t>(m_L), 0.0f);
  return true;
}

void CRecom::BuildTables() {
  const auto K = static_cast<std::size_t>(m_K);
  std::vector<float> q(static_cast<std::size_t>(m_L) + 1);
  buildPrototype(m_M, static_cast<float>(m_K), q.data());
  m_g0.assign(static_cast<std::size_t>(m_L), 0.0f);
  m_g1.assign(static_cast<std::size_t>(m_L), 0.0f);
  static constexpr float kCos[4] = {1.0f, 0.0f, -1.0f, 0.0f};  // (-i)^b
  static constexpr float kSin[4] = {0.0f, -1.0f, 0.0f, 1.0f};
  for (int n = 0; n < m_L; ++n) {
    const int b = (n / m_K) % 4;
    m_g0[n] = kCos[b] * q[n];
    m_g1[n] = -kSin[b] * q[n];
  }
  m_modRe.resize(static_cast<std::size_t>(m_N) * K);
  m_modIm.resize(static_cast<std::size_t>(m_N) * K);
  for (int j = 0; j < m_N; ++j) {
    for (int k = 0; k < m_K; ++k) {
      const float a = (kTwoPi * (static_cast<float>(k) + 0.25f) / static_cast<float>(m_K) -
                       0.5f * kTwoPi / static_cast<float>(m_K)) *
                      static_cast<float>(m_N) * static_cast<float>(j);
      m_modRe[j * K + k] = std::cos(a);
      m_modIm[j * K + k] = std::sin(a);
    }
  }
  // The inverse FFT's 1/m_K is applied here instead: m_K is a power of two, so scaling the
  // product by it is exact and gives the same numbers as scaling the transform.
  const float scale = static_cast<float>(m_N) * static_cast<float>(m_N) / static_cast<float>(m_K);
  m_post.resize(2 * K);
  for (int k = 0; k < m_K; ++k) {
    const float theta = kTwoPi / static_cast<float>(m_K) * static_cast<float>(k) * 0.25f;
    m_post[2 * static_cast<std::size_t>(k)] = scale * std::cos(theta);
    m_post[2 * static_cast<std::size_t>(k) + 1] = scale * std::sin(theta);
  }
  m_bandSamples.assign(K, 0.0f);
  m_binRe.assign(K, 0.0f);
  m_binIm.assign(K, 0.0f);
  m_vRe.assign(K, 0.0f);
  m_vIm.assign(K, 0.0f);
}

void CRecom::SetRate(int /*rate*/) {
  m_window = CBandSuppression::kFirstWindow;
  if (m_suppression) {
    m_suppression->SetWindow(m_window);
  }
}

void CRecom::SetSuppression(bool on) {
  m_suppressOn = on;
  if (on && !m_suppression && m_K > 0) {
    m_suppression = std::make_unique<CBandSuppression>(m_K);
    m_suppression->SetWindow(m_window);
  }
}

void CRecom::Synthesize(float* out, int& nOut) {
  nOut = 0;
  if (m_pRecomBuffers == nullptr) {
    trace("CRecom - no m_pRecomBuffers");
    return;
  }
  if (m_accumulator.empty()) {
    return;
  }
  const int frames = m_pRecomBuffers[0]->Count();
  for (int f = 0; f < frames; ++f) {
    SynthesizeFrame(out + nOut);
    nOut += m_N;
  }
}

int CRecom::SynthesizeFrames(float* frames, int count, float* out) {
  if (m_accumulator.empty()) {
    return 0;
  }
  for (int f = 0; f < count; ++f) {
    SynthesizeFrom(frames + static_cast<std::ptrdiff_t>(f) * m_K,
                   out + static_cast<std::ptrdiff_t>(f) * m_N);
  }
  return count * m_N;
}

void CRecom::SynthesizeFrame(float* out) {
  float* x = m_bandSamples.data();
  for (int k = 0; k < m_K; ++k) {
    x[k] = m_pRecomBuffers[k]->Pop();  // 0 from an empty queue
  }
  SynthesizeFrom(x, out);
}

QP_DSP_CLONES void CRecom::SynthesizeFrom(float* x, float* out) {
  if (m_suppressOn && m_suppression) {
    m_suppression->Apply(x);
  }
  const float* eRe = m_modRe.data() + static_cast<std::size_t>(m_j) * m_K;
  const float* eIm = m_modIm.data() + static_cast<std::size_t>(m_j) * m_K;
  float* wRe = m_binRe.data();
  float* wIm = m_binIm.data();
  const int* reversed = m_fft.BitReversed();
  for (int k = 0; k < m_K; ++k) {
    wRe[reversed[k]] = x[k] * eRe[k];
    wIm[reversed[k]] = x[k] * eIm[k];
  }
  m_j = m_j + 1 == m_N ? 0 : m_j + 1;
  m_fft.TransformPermuted(CFFT::kInverse, wRe, wIm, false);
  const float* u = m_post.data();
  for (int k = 0; k < m_K; ++k) {
    const float* uk = u + std::ptrdiff_t{2} * k;
    m_vRe[k] = wRe[k] * uk[0] - wIm[k] * uk[1];
    m_vIm[k] = wRe[k] * uk[1] + wIm[k] * uk[0];
  }
  OverlapAdd();
  float* slots = m_accumulator.data() + m_base;
  std::memcpy(out, slots, static_cast<std::size_t>(m_N) * sizeof(float));
  std::memset(slots, 0, static_cast<std::size_t>(m_N) * sizeof(float));
  m_base += m_N;
  const int size = static_cast<int>(m_accumulator.size());
  if (m_base + m_L > size) {
    // Slide the slots still in use down to the start; everything after them is zero again.
    const int used = size - m_base;
    std::memmove(m_accumulator.data(), m_accumulator.data() + m_base,
                 static_cast<std::size_t>(used) * sizeof(float));
    std::fill(m_accumulator.begin() + used, m_accumulator.end(), 0.0f);
    m_base = 0;
  }
}

void CRecom::OverlapAdd() {
  float* acc = m_accumulator.data() + m_base;
  if (m_K == 32) {
    overlapAdd<32>(acc, m_g0.data(), m_g1.data(), m_vRe.data(), m_vIm.data(), m_L);
  } else if (m_K == 16) {
    overlapAdd<16>(acc, m_g0.data(), m_g1.data(), m_vRe.data(), m_vIm.data(), m_L);
  } else {
    overlapAdd(acc, m_g0.data(), m_g1.data(), m_vRe.data(), m_vIm.data(), m_L, m_K);
  }
}

}  // namespace qp::dsp
