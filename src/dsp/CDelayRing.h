#pragma once

#include <cstdint>
#include <memory>

namespace qp::dsp {

// Fixed-length ring of floats with a cursor, used as a delay line (Write, then
// Window or Read) and as an overlap-add accumulator (Slot, Advance). A new ring holds zeros
// and its cursor is at the first slot. Values written with Write() are also kept in a mirror
// copy so that Window() can hand out the whole ring, oldest value first, as one contiguous
// array; code that changes slots through Slot()/Data() must not use Window().
class CDelayRing {
 public:
  explicit CDelayRing(int length);
  CDelayRing(const CDelayRing&) = delete;
  CDelayRing& operator=(const CDelayRing&) = delete;

  int Length() const { return m_length; }
  int Cursor() const { return m_cursor; }

  // Stores the value at the cursor and moves the cursor one slot on (wrapping).
  void Write(float value) {
    m_storage[m_cursor] = value;
    m_storage[m_cursor + m_length] = value;
    m_cursor = m_cursor + 1 == m_length ? 0 : m_cursor + 1;
    ++m_written;
  }
  // Writes n values read every stride-th float from `in`, as n calls of Write would.
  void WriteBlock(const float* in, int n, int stride);
  // The value n slots after the cursor (0 <= n < Length()).
  float Read(int n) const { return m_storage[Wrap(m_cursor + n)]; }
  // Length() values starting at the cursor: the oldest written value first.
  const float* Window() const { return m_storage.get() + m_cursor; }

  // The slot n places after the cursor, for in-place accumulation.
  float& Slot(int n) { return m_storage[Wrap(m_cursor + n)]; }
  // The Length() slots in storage order (slot i is at index i, independent of the cursor).
  float* Data() { return m_storage.get(); }
  // Moves the cursor n slots on (0 <= n <= Length()).
  void Advance(int n) { m_cursor = Wrap(m_cursor + n); }

  void SaveCursor() { m_saved = m_cursor; }
  void RestoreCursor() { m_cursor = m_saved; }
  // Number of values stored with Write() since construction.
  std::int64_t Written() const { return m_written; }

 private:
  int Wrap(int index) const { return index >= m_length ? index - m_length : index; }

  std::unique_ptr<float[]> m_storage;  // 2 * length: the ring and its mirror
  int m_length;
  int m_cursor = 0;
  int m_saved = 0;
  std::int64_t m_written = 0;
};

}  // namespace qp::dsp
