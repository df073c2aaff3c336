#pragma once

#include <memory>
#include <vector>

#include "dsp/CDelayRing.h"
#include "dsp/CFFT.h"
#include "dsp/CSampleQueue.h"

namespace qp::dsp {

// Analysis half of the uniform filter bank: cuts a float stream into m_K real band signals,
// each decimated by m_N (centre of band m: (m + 0.25) fs / m_K), using a windowed-sinc
// prototype of 2 m_M taps. Every frame pushes one sample onto each of the m_K band queues,
// which the owner supplies and keeps (CRecom consumes them). m_K must be a power of two and
// 2 m_M a multiple of 2 m_K. All tables are built by Init; Analyze allocates nothing.
class CSplit {
 public:
  CSplit() = default;
  virtual ~CSplit() = default;
  CSplit(const CSplit&) = delete;
  CSplit& operator=(const CSplit&) = delete;

  // Builds the tables for K bands, hop N and half length M, zeroes the delay line and runs
  // one frame over it: each band queue then holds a single zero. bandQueues points to
  // K queues that outlive this object. suppress is kept for the owner; the bank itself applies
  // no gain. False when the parameters cannot be used (later frames are then refused).
  bool Init(int K, int N, int M, CSampleQueue* const* bandQueues, int suppress);

  // Consumes samples from `in`, reading every stride-th float; each sample advances `in` by
  // stride and lowers count by stride. Produces every whole frame the input allows, stopping
  // early while band queue 0 is full; a partial hop stays in the delay line for the next call.
  // True when band queue 0 is not empty afterwards.
  bool Analyze(const float*& in, int& count, int stride);
  // Analyze without the band queues: frame f's m_K band samples go to frames[f * m_K ..],
  // band 0 first, for at most maxFrames frames. The same input handling as Analyze, with
  // "room for maxFrames frames" in place of "band queue 0 not full". Returns the frames written.
  int AnalyzeFrames(const float*& in, int& count, int stride, float* frames, int maxFrames);
  // Runs one frame over the delay line: one new sample on each band queue.
  void AnalyzeFrame();

  int K() const { return m_K; }
  int N() const { return m_N; }
  int M() const { return m_M; }
  int FrameIndex() const { return m_frame; }
  int Suppress() const { return m_suppress; }

 private:
  bool Valid() const { return m_K >= 1 && m_N >= 1 && m_M >= 1 && m_ring != nullptr; }
  void BuildTables();
  // Takes input until the hop is complete (true) or the input runs out (false).
  bool FillHop(const float*& in, int& count, int stride);
  // Runs one frame over the delay line and writes its m_K band samples to bands.
  void ComputeFrame(float* bands);

  int m_K = 0;
  int m_N = 0;
  int m_M = 0;
  int m_L = 0;
  int m_suppress = 0;
  std::vector<float> m_hRe;       // prototype on even blocks (c_b p[n]), 0 on odd blocks
  std::vector<float> m_hIm;       // prototype on odd blocks (s_b p[n]), 0 on even blocks
  std::vector<float> m_twiddle;   // t[k], interleaved re/im
  std::vector<float> m_demodRe;   // Re D[j][k], row j
  std::vector<float> m_demodIm;   // Im D[j][k]
  std::vector<float> m_sumRe;     // A[k] real parts
  std::vector<float> m_sumIm;     // A[k] imaginary parts
  std::vector<float> m_binRe;     // X then Y, real parts
  std::vector<float> m_binIm;     // X then Y, imaginary parts
  std::vector<float> m_frameOut;  // one frame's band samples for the band queues
  std::unique_ptr<CDelayRing> m_ring;
  CFFT m_fft;
  CSampleQueue* const* m_bands = nullptr;
  int m_frame = 0;
  int m_countdown = 0;
};

}  // namespace qp::dsp
