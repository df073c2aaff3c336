#pragma once

#include <atomic>
#include <memory>

namespace qp::dsp {

// Fixed-capacity FIFO of 32-bit floats between one producer and one consumer. Init(capacity,
// prefill) allocates room for capacity + prefill + 4 values, all of which can be held. The
// element count changes only by atomic increment (push) and decrement (pop), so another
// thread may read Count() at any time. Push and Pop allocate nothing.
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
  bool Push(float value);
  // Removes the oldest value. The caller checks IsEmpty() first; an empty queue yields 0.
  float Pop();

  bool IsEmpty() const { return m_empty.load(std::memory_order_relaxed); }
  bool IsFull() const { return m_read == m_write && !IsEmpty(); }
  int Count() const { return m_count.load(std::memory_order_acquire); }
  // Number of values the queue can hold (capacity + prefill + 4).
  int Size() const { return m_size; }

 private:
  std::unique_ptr<float[]> m_storage;
  int m_size = 0;
  int m_prefill = 0;
  int m_read = 0;
  int m_write = 0;
  std::atomic<bool> m_empty{true};
  std::atomic<int> m_count{0};
};

}  // namespace qp::dsp
