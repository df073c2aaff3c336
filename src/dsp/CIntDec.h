#pragma once

#include <array>
#include <vector>

namespace qp::dsp {

// Integer-factor rate converter for one channel of an interleaved float stream: Decimate
// lowers the rate by F with an anti-alias low-pass (in place), Interpolate raises it back by F
// with the same low-pass split into F phases. Supported factors are 2 to 8, 10, 12, 20 and 24,
// each with a fixed linear-phase table of 8 F taps summing to 1. Counts
// and capacities are in interleaved floats (stride per channel sample). Holds its own
// histories and a 512-float buffer of interpolated samples that found no room; no allocation
// after Setup.
class CIntDec {
 public:
  static constexpr int kTapsPerFactor = 8;
  static constexpr int kExtraCapacity = 512;

  CIntDec() = default;
  virtual ~CIntDec() = default;
  CIntDec(const CIntDec&) = delete;
  CIntDec& operator=(const CIntDec&) = delete;

  // Selects factor F for the channel at `offset` within frames of `stride` floats. An
  // unsupported F marks the converter not ready and changes nothing else. Otherwise empties
  // the extra buffer and restarts the decimation phase; the same F as before keeps the
  // history contents (only their positions restart), a new F loads its table and clears them.
  bool Setup(int F, int stride, int offset);

  // Decimates the channel of buffer[0 .. count) in place: output sample i goes to
  // buffer[offset + i * stride]. Returns the interleaved floats produced. A partial phase
  // carries over to the next call. F = 1 returns count unchanged.
  int Decimate(float* buffer, int count);
  // Interpolates the channel of src[0 .. count) into dst: first the samples held from the
  // previous call, then F samples per input sample, as far as dst[0 .. capacity) has room;
  // the rest (up to 512) is held for the next call, beyond that it is dropped and reported.
  // Returns the interleaved floats written. F = 1 copies min(count, capacity) floats.
  int Interpolate(const float* src, int count, float* dst, int capacity);

  bool Ready() const { return m_ready; }
  int Factor() const { return m_F; }
  int Stride() const { return m_stride; }
  int Offset() const { return m_offset; }
  int ExtraCount() const { return m_extraCount; }
  // The low-pass of the current factor (8 F taps), h[0] weighting the newest sample.
  const std::vector<float>& Taps() const { return m_h; }

  // The full table of a supported factor, or an empty vector.
  static std::vector<float> TableFor(int F);

 private:
  int SamplesIn(int count) const;
  bool Fits(int produced, int capacity) const { return m_offset + produced < capacity; }
  void LoadTables();

  int m_F = 1;
  int m_stride = 1;
  int m_offset = 0;
  bool m_ready = false;
  bool m_built = false;
  std::vector<float> m_h;
  std::vector<float> m_phaseTaps;   // F rows of 8: h[p + i F]
  std::vector<float> m_decHistory;  // 8 F values and their mirror copy
  int m_decNewest = 0;              // slot of the newest sample
  std::vector<float> m_intHistory;  // 8 values and their mirror copy
  int m_intNewest = 0;
  int m_phase = 1;
  std::array<float, kExtraCapacity> m_extra{};
  int m_extraCount = 0;
};

}  // namespace qp::dsp
