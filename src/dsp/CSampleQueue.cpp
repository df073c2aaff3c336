#include "dsp/CSampleQueue.h"

namespace qp::dsp {

bool CSampleQueue::Init(int capacity, int prefill) {
  if (capacity < 0 || prefill < 0) {
    return false;
  }
  m_size = static_cast<std::uint32_t>(capacity + prefill + 4);
  m_prefill = static_cast<std::uint32_t>(prefill);
  m_storage = std::make_unique<float[]>(m_size);
  Reset();
  return true;
}

void CSampleQueue::Reset() {
  m_read = 0;
  m_write = 0;
  m_pushed.store(0, std::memory_order_relaxed);
  m_popped.store(0, std::memory_order_release);
  for (std::uint32_t i = 0; i < m_prefill; ++i) {
    Push(0.0f);
  }
}

}  // namespace qp::dsp
