#pragma once

#include <memory>
#include <vector>

#include "dsp/CBandSuppression.h"
#include "dsp/CFFT.h"
#include "dsp/CSampleQueue.h"

namespace qp::dsp {

// Synthesis half of the filter bank of CSplit: each frame pops one sample per band queue (m_K
// queues), optionally applies the per-band noise suppression, and overlap-adds m_N output
// samples. With the same K, N, M and suppression off, CSplit then CRecom give back the input
// 2 m_M samples late. The band queues belong to the owner.
// All tables are built by Init; Synthesize allocates nothing.
class CRecom {
 public:
  CRecom() = default;
  virtual ~CRecom() = default;
  CRecom(const CRecom&) = delete;
  CRecom& operator=(const CRecom&) = delete;

  // Rebuilds everything for K bands, hop N and half length M (dropping any suppression
  // state) reading from the K queues at bandQueues. Produces nothing. False when the
  // parameters cannot be used.
  bool Init(int K, int N, int M, CSampleQueue* const* bandQueues);
  // Restarts the suppression's minimum window at 125 frames; the rate itself is not used.
  void SetRate(int rate);
  // Switches the suppression on or off; switching on creates its state when missing.
  void SetSuppression(bool on);

  // Synthesises as many frames as band queue 0 holds on entry, m_N floats each, packed one
  // after another into out (room for 260 * m_N floats needed). nOut receives the number of
  // floats written.
  void Synthesize(float* out, int& nOut);
  // Synthesize from band samples handed over directly instead of the band queues: frame f's
  // m_K samples at frames[f * m_K ..] (band 0 first; scaled in place by the suppression),
  // m_N floats per frame to out. Returns the floats written (0 when Init failed).
  int SynthesizeFrames(float* frames, int count, float* out);

  bool Suppressing() const { return m_suppressOn; }
  // The suppression state, or nullptr before SetSuppression(true).
  const CBandSuppression* Suppression() const { return m_suppression.get(); }

 private:
  void BuildTables();
  void SynthesizeFrame(float* out);
  // One frame from the band samples x (scaled in place by the suppression) to m_N floats.
  void SynthesizeFrom(float* x, float* out);
  void OverlapAdd();

  int m_K = 0;
  int m_N = 0;
  int m_M = 0;
  int m_L = 0;
  CSampleQueue* const* m_pRecomBuffers = nullptr;
  std::vector<float> m_g0;
  std::vector<float> m_g1;
  std::vector<float> m_modRe;  // Re E[j][k], row j
  std::vector<float> m_modIm;
  std::vector<float> m_post;  // u[k] / m_K (the inverse FFT's 1/m_K), interleaved re/im
  std::vector<float> m_bandSamples;
  std::vector<float> m_binRe;  // W then Z, real parts
  std::vector<float> m_binIm;  // W then Z, imaginary parts
  std::vector<float> m_vRe;
  std::vector<float> m_vIm;
  CFFT m_fft;
  // Overlap-add accumulator: the L slots from m_base on hold the partial sums of the next L
  // output samples; they slide down to the start of the 2 L buffer when they reach its end,
  // so every frame adds to contiguous slots.
  std::vector<float> m_accumulator;
  int m_base = 0;
  int m_j = 0;
  bool m_suppressOn = false;
  int m_window = CBandSuppression::kFirstWindow;
  std::unique_ptr<CBandSuppression> m_suppression;
};

}  // namespace qp::dsp
