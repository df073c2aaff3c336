#include "dsp/CSampleQueue.h"

namespace qp::dsp {

bool CSampleQueue::Init(int capacity, int prefill) {
  if (capacity < 0 || prefill < 0) {
    return false;
  }
  m_size = capacity + prefill + 4;
  m_prefill = prefill;
  m_storage = std::make_unique<float[]>(static_cast<std::size_t>(m_size));
  Reset();
  return true;
}

void CSampleQueue::Reset() {
  m_read = 0;
  m_write = 0;
  m_empty.store(true, std::memory_order_relaxed);
  m_count.store(0, std::memory_order_release);
  for (int i = 0; i < m_prefill; ++i) {
    Push(0.0f);
  }
}

bool CSampleQueue::Push(float value) {
  if (m_size == 0 || IsFull()) {
    return false;
  }
  m_storage[m_write] = value;
  m_write = m_write + 1 == m_size ? 0 : m_write + 1;
  m_empty.store(false, std::memory_order_relaxed);
  m_count.fetch_add(1, std::memory_order_acq_rel);
  return true;
}

float CSampleQueue::Pop() {
  if (IsEmpty()) {
    return 0.0f;
  }
  const float value = m_storage[m_read];
  m_read = m_read + 1 == m_size ? 0 : m_read + 1;
  if (m_read == m_write) {
    m_empty.store(true, std::memory_order_relaxed);
  }
  m_count.fetch_sub(1, std::memory_order_acq_rel);
  return value;
}

}  // namespace qp::dsp
