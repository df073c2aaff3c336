#pragma once

#include <cstdint>
#include <memory>

#include "dsp/CNoiseReducer.h"

namespace qp::dsp {

// The microphone noise reduction for 8- or 16-bit PCM, mono or stereo: one CNoiseReducer per
// channel, fed in passes of at most 4096 samples. Configure once per recording, then Process
// every captured block in place; write exactly the bytes Process returns. Output lags input
// (see CNoiseReducer); samples held back when the recording stops are never written.
// Configure and Process run on one thread; no allocation per Process call.
class CSilkvoiceFilter {
 public:
  static constexpr int kPassSamples = 4096;

  CSilkvoiceFilter();
  virtual ~CSilkvoiceFilter() = default;
  CSilkvoiceFilter(const CSilkvoiceFilter&) = delete;
  CSilkvoiceFilter& operator=(const CSilkvoiceFilter&) = delete;

  // Restarts the filter for a stream; rate in Hz. False (and the filter unconfigured) unless
  // rate > 0, bits is 8 or 16 and channels is 1 or 2.
  bool Configure(std::uint32_t rate, int bits, int channels);
  // Filters the PCM block in place; returns how many filtered bytes now lie at its start
  // (never more than bytes). Only whole sample frames are processed: trailing bytes
  // that do not make a frame are ignored. 0 when unconfigured or for bytes = 0.
  std::uint32_t Process(void* block, std::uint32_t bytes);

  bool Configured() const { return m_configured; }
  std::uint32_t Rate() const { return m_rate; }
  int Bits() const { return m_bits; }
  int Channels() const { return m_channels; }
  // The chain of channel 0 or 1 (nullptr until a configuration needed it).
  const CNoiseReducer* Chain(int channel) const { return m_chains[channel].get(); }

 private:
  int RunPass(int samples);

  std::unique_ptr<CNoiseReducer> m_chains[2];
  std::unique_ptr<float[]> m_in;
  std::unique_ptr<float[]> m_out;
  std::unique_ptr<std::int16_t[]> m_pcm;  // 16-bit output of a pass before it is copied out
  std::uint32_t m_rate = 0;
  int m_bits = 0;
  int m_channels = 0;
  bool m_configured = false;
};

}  // namespace qp::dsp
