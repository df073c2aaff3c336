#include "dsp/CIntDec.h"

#include <algorithm>
#include <cstring>

#include "dsp/DspTrace.h"

namespace qp::dsp {

bool CIntDec::Setup(int F, int stride, int offset) {
  std::vector<float> table = TableFor(F);
  if (table.empty() || stride < 1 || offset < 0 || offset >= stride) {
    m_ready = false;
    return false;
  }
  m_stride = stride;
  m_offset = offset;
  m_extraCount = 0;
  m_phase = F;
  if (F != m_F || !m_built) {
    m_F = F;
    m_h = std::move(table);
    LoadTables();
    m_built = true;
  }
  m_decNewest = 0;
  m_intNewest = 0;
  m_ready = true;
  return true;
}

void CIntDec::LoadTables() {
  const auto taps = static_cast<std::size_t>(kTapsPerFactor) * static_cast<std::size_t>(m_F);
  m_phaseTaps.assign(taps, 0.0f);
  for (int p = 0; p < m_F; ++p) {
    for (int i = 0; i < kTapsPerFactor; ++i) {
      m_phaseTaps[p * kTapsPerFactor + i] = m_h[p + i * m_F];
    }
  }
  m_decHistory.assign(2 * taps, 0.0f);
  m_intHistory.assign(std::size_t{2} * kTapsPerFactor, 0.0f);
}

int CIntDec::SamplesIn(int count) const {
  return count > m_offset ? (count - m_offset + m_stride - 1) / m_stride : 0;
}

int CIntDec::Decimate(float* buffer, int count) {
  if (m_F == 1 || !m_built) {
    return count;
  }
  const int taps = kTapsPerFactor * m_F;
  const float* h = m_h.data();
  float* history = m_decHistory.data();
  const float* in = buffer + m_offset;
  float* out = buffer + m_offset;
  int produced = 0;
  for (int s = SamplesIn(count); s > 0; --s) {
    // Stored backwards: the newest sample is followed by older ones, mirrored for reading.
    m_decNewest = m_decNewest == 0 ? taps - 1 : m_decNewest - 1;
    history[m_decNewest] = history[m_decNewest + taps] = *in;
    in += m_stride;
    if (--m_phase != 0) {
      continue;
    }
    m_phase = m_F;
    const float* x = history + m_decNewest;
    float y = 0.0f;
    for (int i = 0; i < taps; ++i) {
      y += h[i] * x[i];
    }
    *out = y;
    out += m_stride;
    produced += m_stride;
  }
  return produced;
}

int CIntDec::Interpolate(const float* src, int count, float* dst, int capacity) {
  if (m_F == 1 || !m_built) {
    const int n = std::max(0, std::min(count, capacity));
    std::memmove(dst, src, static_cast<std::size_t>(n) * sizeof(float));
    return n;
  }
  int produced = 0;
  int taken = 0;
  while (taken < m_extraCount && Fits(produced, capacity)) {
    dst[m_offset + produced] = m_extra[taken++];
    produced += m_stride;
  }
  std::copy(m_extra.begin() + taken, m_extra.begin() + m_extraCount, m_extra.begin());
  m_extraCount -= taken;
  const float gain = static_cast<float>(m_F);
  float* history = m_intHistory.data();
  bool dropped = false;
  const float* in = src + m_offset;
  for (int s = SamplesIn(count); s > 0; --s) {
    m_intNewest = m_intNewest == 0 ? kTapsPerFactor - 1 : m_intNewest - 1;
    history[m_intNewest] = history[m_intNewest + kTapsPerFactor] = *in;
    in += m_stride;
    const float* x = history + m_intNewest;
    for (int p = 0; p < m_F; ++p) {
      const float* taps = m_phaseTaps.data() + std::ptrdiff_t{p} * kTapsPerFactor;
      float sum = 0.0f;
      for (int i = 0; i < kTapsPerFactor; ++i) {
        sum += taps[i] * x[i];
      }
      const float y = gain * sum;
      if (Fits(produced, capacity)) {
        dst[m_offset + produced] = y;
        produced += m_stride;
      } else if (m_extraCount < kExtraCapacity) {
        m_extra[m_extraCount++] = y;
      } else {
        dropped = true;
      }
    }
  }
  if (dropped) {
    trace("CIntDec.Interpolate - extra buffer is full");
  }
  return produced;
}

}  // namespace qp::dsp
