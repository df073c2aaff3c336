#pragma once

#include <memory>
#include <vector>

#include "dsp/CIntDec.h"
#include "dsp/CRecom.h"
#include "dsp/CSampleQueue.h"
#include "dsp/CSplit.h"

namespace qp::dsp {

// The noise-reduction chain of one channel: CSplit -> per-band suppression in CRecom ->
// overflow queue, wrapped in a CIntDec rate conversion (factor 2, or 3 from 44100 Hz on) when
// the rate is above 24000 Hz. Analysed frames pass to the synthesis in batches of up to
// kMaxFrames, without the per-band queues. You need one chain per channel. Counts are in
// interleaved floats: a chain with stride 2 reads and writes every second float from `offset` on.
// The bank delays the signal by (2 m_M - m_N) samples at its rate; samples still in the bank, or
// waiting for room, come out on later calls. Process allocates nothing once Init has run.
class CNoiseReducer {
 public:
  static constexpr int kBandQueueCapacity = 256;
  static constexpr int kOverflowCapacity = 4096;
  static constexpr int kMaxFrames = 260;  // most frames a band queue holds

  CNoiseReducer();
  virtual ~CNoiseReducer() = default;
  CNoiseReducer(const CNoiseReducer&) = delete;
  CNoiseReducer& operator=(const CNoiseReducer&) = delete;

  // (Re)starts the chain for a sample rate in Hz: fresh filter bank and suppression, empty
  // queues. Rate 0 releases everything and makes Process a no-op.
  void Init(int rate);
  // Places the chain's channel within the interleaved stream and selects the rate
  // conversion factor for the rate given to Init.
  void SetChannel(int offset, int stride);
  // Processes the channel of in[0 .. inCount) and writes at most outCapacity interleaved
  // floats to out (its own channel only). Returns the interleaved floats written; samples
  // without room are held (up to 4100 of them) and written first by the next call. Above
  // 24000 Hz the channel's floats of `in` are overwritten (decimated in place).
  int Process(float* in, int inCount, float* out, int outCapacity);

  int Rate() const { return m_rate; }
  int K() const { return m_K; }
  int N() const { return m_N; }
  int M() const { return m_M; }
  int Offset() const { return m_offset; }
  int Stride() const { return m_stride; }
  bool Decimating() const { return m_decimating; }
  int HeldBack() const { return m_overflow.Count(); }
  const CRecom* Recom() const { return m_recom.get(); }
  const CIntDec& Converter() const { return m_intDec; }

 private:
  void Release();
  int Slots(int count) const;
  int Drain(float*& out, int& slots);
  int ProcessBlocks(const float* in, int count, float*& out, int& slots);
  int ProcessDecimating(float* in, int inCount, float* out, int outCapacity);

  int m_rate = 0;
  int m_K = 0;
  int m_N = 0;
  int m_M = 0;
  int m_offset = 0;
  int m_stride = 1;
  bool m_firstBlock = false;
  bool m_decimating = false;
  bool m_suppress = true;
  std::vector<std::unique_ptr<CSampleQueue>> m_bandQueues;
  std::vector<CSampleQueue*> m_bandPointers;
  std::vector<float> m_block;
  std::vector<float> m_frames;  // analysed frames awaiting synthesis, m_K floats each
  int m_pendingFrames = 0;
  std::unique_ptr<CSplit> m_split;
  std::unique_ptr<CRecom> m_recom;
  CSampleQueue m_overflow;
  CIntDec m_intDec;
  std::vector<float> m_temp;  // decimated path: the bank's output at the low rate
};

}  // namespace qp::dsp
