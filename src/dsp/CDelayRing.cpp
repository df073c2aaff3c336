#include "dsp/CDelayRing.h"

#include <cstddef>
#include <cstring>

namespace qp::dsp {

CDelayRing::CDelayRing(int length)
    : m_storage(std::make_unique<float[]>(2 * static_cast<std::size_t>(length > 0 ? length : 1))),
      m_length(length > 0 ? length : 1) {}

void CDelayRing::WriteBlock(const float* in, int n, int stride) {
  m_written += n;
  while (n > 0) {
    const int run = m_length - m_cursor < n ? m_length - m_cursor : n;
    float* ring = m_storage.get() + m_cursor;
    float* mirror = ring + m_length;
    if (stride == 1) {
      std::memcpy(ring, in, static_cast<std::size_t>(run) * sizeof(float));
      std::memcpy(mirror, in, static_cast<std::size_t>(run) * sizeof(float));
    } else {
      for (int i = 0; i < run; ++i) {
        ring[i] = mirror[i] = in[static_cast<std::ptrdiff_t>(i) * stride];
      }
    }
    in += static_cast<std::ptrdiff_t>(run) * stride;
    n -= run;
    m_cursor = m_cursor + run == m_length ? 0 : m_cursor + run;
  }
}

}  // namespace qp::dsp
