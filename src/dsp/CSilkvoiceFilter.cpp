#include "dsp/CSilkvoiceFilter.h"

#include <algorithm>
#include <cstring>

#include "dsp/SimdClones.h"

namespace qp::dsp {
namespace {

// Little-endian 16-bit samples to floats.
QP_DSP_CLONES void floatsFromPcm16(const std::uint8_t* bytes, float* out, int n) {
  for (int i = 0; i < n; ++i) {
    std::int16_t s;
    std::memcpy(&s, bytes + 2 * static_cast<std::size_t>(i), 2);
    out[i] = static_cast<float>(s);
  }
}

// Floats to 16-bit samples: clamped to the 16-bit range, then truncated toward zero. The
// samples go through the aligned scratch so that the loop vectorises.
QP_DSP_CLONES void pcm16FromFloats(const float* in, std::int16_t* __restrict scratch,
                                   std::uint8_t* bytes, int n) {
  for (int i = 0; i < n; ++i) {
    const float v = in[i];
    const float clamped = v >= 32767.0f ? 32767.0f : (v <= -32768.0f ? -32768.0f : v);
    scratch[i] = static_cast<std::int16_t>(clamped);
  }
  std::memcpy(bytes, scratch, 2 * static_cast<std::size_t>(n));
}

// Truncates toward zero, clamps to -128 .. 127 and re-centres on 128.
std::uint8_t toPcm8(float v) {
  if (v >= 127.0f) {
    return 255;
  }
  if (v <= -128.0f) {
    return 0;
  }
  return static_cast<std::uint8_t>(static_cast<int>(v) + 128);
}

}  // namespace

CSilkvoiceFilter::CSilkvoiceFilter()
    : m_in(std::make_unique<float[]>(kPassSamples)),
      m_out(std::make_unique<float[]>(kPassSamples)),
      m_pcm(std::make_unique<std::int16_t[]>(kPassSamples)) {}

bool CSilkvoiceFilter::Configure(std::uint32_t rate, int bits, int channels) {
  m_configured = false;
  if (rate == 0 || rate > 0x7FFFFFFF || (bits != 8 && bits != 16) ||
      (channels != 1 && channels != 2)) {
    return false;
  }
  m_rate = rate;
  m_bits = bits;
  m_channels = channels;
  for (int c = 0; c < channels; ++c) {
    if (!m_chains[c]) {
      m_chains[c] = std::make_unique<CNoiseReducer>();
    }
    m_chains[c]->Init(static_cast<int>(rate));
    m_chains[c]->SetChannel(c, channels);
  }
  m_configured = true;
  return true;
}

std::uint32_t CSilkvoiceFilter::Process(void* block, std::uint32_t bytes) {
  if (!m_configured || block == nullptr) {
    return 0;
  }
  const std::uint32_t sampleBytes = m_bits / 8;
  const std::uint32_t frameBytes = sampleBytes * static_cast<std::uint32_t>(m_channels);
  const std::uint32_t usable = bytes / frameBytes * frameBytes;
  auto* bytePtr = static_cast<std::uint8_t*>(block);
  std::uint32_t read = 0;
  std::uint32_t written = 0;
  const std::uint32_t passLimit = kPassSamples / m_channels * m_channels;
  while (read < usable) {
    const int n = static_cast<int>(std::min((usable - read) / sampleBytes, passLimit));
    if (m_bits == 16) {
      floatsFromPcm16(bytePtr + read, m_in.get(), n);
    } else {
      for (int i = 0; i < n; ++i) {
        m_in[i] = static_cast<float>(static_cast<int>(bytePtr[read + i]) - 128);
      }
    }
    read += static_cast<std::uint32_t>(n) * sampleBytes;
    const int r = RunPass(n);
    if (m_bits == 16) {
      pcm16FromFloats(m_out.get(), m_pcm.get(), bytePtr + written, r);
    } else {
      for (int i = 0; i < r; ++i) {
        bytePtr[written + i] = toPcm8(m_out[i]);
      }
    }
    written += static_cast<std::uint32_t>(r) * sampleBytes;
  }
  return written;
}

int CSilkvoiceFilter::RunPass(int samples) {
  const int r = m_chains[0]->Process(m_in.get(), samples, m_out.get(), samples);
  if (m_channels == 2) {
    m_chains[1]->Process(m_in.get(), samples, m_out.get(), samples);
  }
  return r;
}

}  // namespace qp::dsp
