#pragma once

#include <cstdint>

namespace qp::dsp {

// Changes the length of a 16-bit mono stream by a small ratio: once per cycle of |n| input
// samples it drops one (n > 0: |n| inputs give |n| - 1 outputs, faster playback) or inserts
// one (n < 0: |n| inputs give |n| + 1 outputs, slower playback), and hides the step with
// four 25-tap fractional-delay filters (delays 12, 11.75, 11.5 and 11.25 samples) used in
// turn over the cycle. Output runs 12 samples behind input: the first 12 samples after
// Configure only fill the history. The cycle state carries over from one Process call to the
// next, so the output stream does not depend on how the input is cut into blocks.
//
// While the filter-always flag is clear (as after construction), cycle lengths below 50 pass
// the samples through unchanged; the player sets the flag right after constructing so that
// every cycle length is processed. A cycle length of 0 always passes samples through.
// One object per stream, used by one thread; allocates nothing after construction.
class CRateAdjuster {
 public:
  static constexpr int kTaps = 25;
  static constexpr int kPrimeSamples = 12;
  // Input samples taken per batch, and filtered outputs per engine run.
  static constexpr int kQueueSamples = 1024;
  static constexpr int kScratchSamples = 1024;
  // Without the filter-always flag, cycle lengths below this pass samples through.
  static constexpr int kFilterFrom = 50;

  CRateAdjuster();
  virtual ~CRateAdjuster() = default;
  CRateAdjuster(const CRateAdjuster&) = delete;
  CRateAdjuster& operator=(const CRateAdjuster&) = delete;

  void SetFilterAlways(bool on) { m_filterAlways = on; }
  bool FilterAlways() const { return m_filterAlways; }

  // Sets the signed cycle length n and restarts the cycle: the next 12 samples refill the
  // history. rate and the two device numbers are accepted for the player's call and unused.
  void Configure(int rate, int n, int outputDevice = -1, int inputDevice = -1);
  int CycleLength() const { return m_n; }

  // Consumes count samples from in and writes at most capacity samples to out; returns the
  // number written. Output beyond capacity is lost (the stream moves on as if written).
  int Process(const std::int16_t* in, int count, std::int16_t* out, int capacity);

 private:
  bool PassThrough() const { return m_n == 0 || (m_absN < kFilterFrom && !m_filterAlways); }
  int QueueEnd() const { return kTaps + m_queued; }
  // Runs the cycle on the queued samples into m_scratch for at most `room` outputs.
  int RunEngine(int room);
  // Whole cycles from the cycle's output list while input and room suffice.
  int WholeCycles(float* y, int room);
  int DropStep(float* y, int room);
  int InsertStep(float* y, int room);
  // k filtered outputs into y, the j-th taking the sample at m_next + j as its newest.
  void Filter(const float* taps, int k, float* y) const;
  // Keeps the last kTaps samples as history and empties the queue.
  void Compact();
  // Lists the outputs of one cycle (filter and window) when |n| <= kMaxListedCycle.
  void BuildCycle();

  // Cycles up to this length have their outputs listed, for the whole-cycle path.
  static constexpr int kMaxListedCycle = 128;
  struct CycleOutput {
    const float* taps;
    int offset;  // the output's window ends at the cycle's first sample + offset
  };

  int m_n = 0;
  int m_absN = 0;
  int m_q = 0;
  bool m_filterAlways = false;
  // Cycle state.
  int m_pos = 0;
  int m_primeLeft = kPrimeSamples;
  bool m_inserted = false;
  // m_line[0 .. kTaps) is the history (oldest first); queued samples follow it. m_next is
  // the index of the next sample to take.
  int m_queued = 0;
  int m_next = kTaps;
  float m_line[kTaps + kQueueSamples] = {};
  float m_scratch[kScratchSamples] = {};
  CycleOutput m_cycle[kMaxListedCycle + 1] = {};
  int m_cycleOutputs = 0;
};

}  // namespace qp::dsp
