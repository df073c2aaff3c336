#include "dsp/CSplit.h"

#include <cmath>
#include <cstddef>

#include "dsp/DspTrace.h"
#include "dsp/PrototypeFilter.h"
#include "dsp/SimdClones.h"

namespace qp::dsp {
namespace {

constexpr float kTwoPi = 6.2831855f;

// The windowed sums of one frame: re[k] = sum over blocks j of d[j + k] hRe[j + k] (even
// blocks of K) and im[k] likewise on the odd blocks, block after block from the oldest sample.
void polyphaseSums(const float* __restrict d, const float* __restrict hRe,
                   const float* __restrict hIm, int L, int K, float* __restrict re,
                   float* __restrict im) {
  for (int k = 0; k < K; ++k) {
    re[k] = 0.0f;
    im[k] = 0.0f;
  }
  for (int j = 0; j < L; j += 2 * K) {
    for (int k = 0; k < K; ++k) {
      re[k] += d[k + j] * hRe[k + j];
      im[k] += d[k + j + K] * hIm[k + j + K];
    }
  }
}

// The same for a band count known at compile time: the sums stay in registers, in the same
// order of additions per band.
template <int K>
void polyphaseSums(const float* __restrict d, const float* __restrict hRe,
                   const float* __restrict hIm, int L, float* __restrict re, float* __restrict im) {
  float sumRe[K] = {};
  float sumIm[K] = {};
  for (int j = 0; j < L; j += 2 * K) {
    for (int k = 0; k < K; ++k) {
      sumRe[k] += d[k + j] * hRe[k + j];
      sumIm[k] += d[k + j + K] * hIm[k + j + K];
    }
  }
  for (int k = 0; k < K; ++k) {
    re[k] = sumRe[k];
    im[k] = sumIm[k];
  }
}

}  // namespace

bool CSplit::Init(int K, int N, int M, CSampleQueue* const* bandQueues, int suppress) {
  m_ring.reset();
  m_K = K;
  m_N = N;
  m_M = M;
  m_L = 2 * M;
  m_suppress = suppress;
  m_bands = bandQueues;
  m_frame = 0;
  m_countdown = 0;
  if (K < 1 || N < 1 || M < 1 || m_L % (2 * K) != 0 || bandQueues == nullptr || !m_fft.Init(1, K)) {
    return false;
  }
  BuildTables();
  m_ring = std::make_unique<CDelayRing>(m_L);
  for (int i = 0; i < m_L; ++i) {
    m_ring->Write(0.0f);
  }
  AnalyzeFrame();
  return true;
}

void CSplit::BuildTables() {
  const auto K = static_cast<std::size_t>(m_K);
  std::vector<float> p(static_cast<std::size_t>(m_L) + 1);
  buildPrototype(m_M, static_cast<float>(2 * m_K), p.data());
  m_hRe.assign(static_cast<std::size_t>(m_L), 0.0f);
  m_hIm.assign(static_cast<std::size_t>(m_L), 0.0f);
  static constexpr float kCos[4] = {1.0f, 0.0f, -1.0f, 0.0f};  // (-i)^b
  static constexpr float kSin[4] = {0.0f, -1.0f, 0.0f, 1.0f};
  for (int n = 0; n < m_L; ++n) {
    const int b = (n / m_K) % 4;
    m_hRe[n] = kCos[b] * p[n];
    m_hIm[n] = kSin[b] * p[n];
  }
  m_twiddle.resize(2 * K);
  for (int k = 0; k < m_K; ++k) {
    const float theta = kTwoPi / static_cast<float>(m_K) * static_cast<float>(k) * 0.25f;
    m_twiddle[2 * static_cast<std::size_t>(k)] = std::cos(theta);
    m_twiddle[2 * static_cast<std::size_t>(k) + 1] = -std::sin(theta);
  }
  m_demodRe.resize(static_cast<std::size_t>(m_N) * K);
  m_demodIm.resize(static_cast<std::size_t>(m_N) * K);
  for (int j = 0; j < m_N; ++j) {
    for (int k = 0; k < m_K; ++k) {
      const float a = (kTwoPi * (static_cast<float>(k) + 0.25f) / static_cast<float>(m_K) -
                       0.5f * kTwoPi / static_cast<float>(m_K)) *
                      static_cast<float>(m_N) * static_cast<float>(j);
      m_demodRe[j * K + k] = std::cos(a);
      m_demodIm[j * K + k] = -std::sin(a);
    }
  }
  m_sumRe.assign(K, 0.0f);
  m_sumIm.assign(K, 0.0f);
  m_binRe.assign(K, 0.0f);
  m_binIm.assign(K, 0.0f);
  m_frameOut.assign(K, 0.0f);
}

bool CSplit::FillHop(const float*& in, int& count, int stride) {
  if (m_countdown == 0) {
    m_countdown = m_N;
  }
  const int available = (count + stride - 1) / stride;
  const int take = available < m_countdown ? available : m_countdown;
  m_ring->WriteBlock(in, take, stride);
  in += static_cast<std::ptrdiff_t>(take) * stride;
  count -= take * stride;
  m_countdown -= take;
  return m_countdown == 0;
}

bool CSplit::Analyze(const float*& in, int& count, int stride) {
  if (!Valid()) {
    AnalyzeFrame();  // reports the unusable parameters
    return false;
  }
  CSampleQueue& first = *m_bands[0];
  while (!first.IsFull() && count > 0 && stride > 0) {
    if (!FillHop(in, count, stride)) {
      break;
    }
    AnalyzeFrame();
  }
  return !first.IsEmpty();
}

int CSplit::AnalyzeFrames(const float*& in, int& count, int stride, float* frames, int maxFrames) {
  if (!Valid()) {
    AnalyzeFrame();  // reports the unusable parameters
    return 0;
  }
  int produced = 0;
  while (produced < maxFrames && count > 0 && stride > 0) {
    if (!FillHop(in, count, stride)) {
      break;
    }
    ComputeFrame(frames + static_cast<std::ptrdiff_t>(produced) * m_K);
    ++produced;
  }
  return produced;
}

void CSplit::AnalyzeFrame() {
  if (!Valid()) {
    trace("CSplit - invalid m_K, m_N, or m_M");
    return;
  }
  float* bands = m_frameOut.data();
  ComputeFrame(bands);
  for (int m = 0; m < m_K; ++m) {
    m_bands[m]->Push(bands[m]);
  }
}

QP_DSP_CLONES void CSplit::ComputeFrame(float* bands) {
  const float* d = m_ring->Window();  // oldest sample first
  float* re = m_sumRe.data();
  float* im = m_sumIm.data();
  if (m_K == 32) {
    polyphaseSums<32>(d, m_hRe.data(), m_hIm.data(), m_L, re, im);
  } else if (m_K == 16) {
    polyphaseSums<16>(d, m_hRe.data(), m_hIm.data(), m_L, re, im);
  } else {
    polyphaseSums(d, m_hRe.data(), m_hIm.data(), m_L, m_K, re, im);
  }
  float* xRe = m_binRe.data();
  float* xIm = m_binIm.data();
  const float* t = m_twiddle.data();
  const int* reversed = m_fft.BitReversed();
  // The twisted sums are formed in place (a loop that vectorises), then moved to their
  // bit-reversed slots.
  for (int k = 0; k < m_K; ++k) {
    const float* tk = t + std::ptrdiff_t{2} * k;
    const float a = re[k];
    const float b = im[k];
    re[k] = a * tk[0] - b * tk[1];
    im[k] = a * tk[1] + b * tk[0];
  }
  for (int k = 0; k < m_K; ++k) {
    xRe[reversed[k]] = re[k];
    xIm[reversed[k]] = im[k];
  }
  m_fft.TransformPermuted(CFFT::kForward, xRe, xIm);
  const float* dRe = m_demodRe.data() + static_cast<std::size_t>(m_frame) * m_K;
  const float* dIm = m_demodIm.data() + static_cast<std::size_t>(m_frame) * m_K;
  for (int m = 0; m < m_K; ++m) {
    bands[m] = 8.0f * (xRe[m] * dRe[m] - xIm[m] * dIm[m]);
  }
  m_frame = m_frame + 1 == m_N ? 0 : m_frame + 1;
}

}  // namespace qp::dsp
