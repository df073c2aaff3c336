#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

namespace qp::dsp {

// Fixed-capacity FIFO of 32-bit floats between one producer and one consumer (which may be
// different threads). Init(capacity, prefill) allocates room for capacity + prefill + 4
// values, all of which can be held. The producer alone advances the count of values pushed
// and the consumer alone the count of values popped, each published atomically, so Count(),
// IsEmpty() and IsFull() may be read from any thread without a lock. Push and Pop allocate
// nothing. Init and Reset must not run while the other side is active.
class CSampleQueue {
 public:
  CSampleQueue() = default;
  CSampleQueue(const CSampleQueue&) = delete;
  CSampleQueue& operator=(const CSampleQueue&) = delete;

  // Allocates the storage (replacing any earlier one) and resets; false when capacity or
  // prefill is negative.
  bool Init(int capacity, int prefill = 0);
  // Empties the queue, then pushes `prefill` zeros.
  void Reset();

  // Appends a value; on a full queue the value is lost and false is returned.
  bool Push(float value) {
    const std::uint32_t pushed = m_pushed.load(std::memory_order_relaxed);
    if (pushed - m_popped.load(std::memory_order_acquire) >= m_size) {
      return false;
    }
    m_storage[m_write] = value;
    m_write = m_write + 1 == m_size ? 0 : m_write + 1;
    m_pushed.store(pushed + 1, std::memory_order_release);
    return true;
  }
  // Removes the oldest value. The caller checks IsEmpty() first; an empty queue yields 0.
  float Pop() {
    const std::uint32_t popped = m_popped.load(std::memory_order_relaxed);
    if (m_pushed.load(std::memory_order_acquire) == popped) {
      return 0.0f;
    }
    const float value = m_storage[m_read];
    m_read = m_read + 1 == m_size ? 0 : m_read + 1;
    m_popped.store(popped + 1, std::memory_order_release);
    return value;
  }

  bool IsEmpty() const { return Count() == 0; }
  bool IsFull() const { return m_size != 0 && Count() == static_cast<int>(m_size); }
  int Count() const {
    return static_cast<int>(m_pushed.load(std::memory_order_acquire) -
                            m_popped.load(std::memory_order_acquire));
  }
  // Number of values the queue can hold (capacity + prefill + 4).
  int Size() const { return static_cast<int>(m_size); }

 private:
  std::unique_ptr<float[]> m_storage;
  std::uint32_t m_size = 0;
  std::uint32_t m_prefill = 0;
  std::uint32_t m_read = 0;   // consumer's slot
  std::uint32_t m_write = 0;  // producer's slot
  std::atomic<std::uint32_t> m_pushed{0};
  std::atomic<std::uint32_t> m_popped{0};
};

}  // namespace qp::dsp
