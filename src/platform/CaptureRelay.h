#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>

#include "audio/device/BufferQueue.h"
#include "platform/CaptureFifo.h"

namespace qp {

// Keeps every byte a capture stream delivers until a queued buffer takes it. The sound
// server's thread puts the bytes into a lock-free FIFO and never waits; a thread of the relay
// moves them on into the buffer queue whenever bytes arrive or buffers are queued. Only an
// overflow of the FIFO drops sound: those bytes are counted and traced. The queue must outlive
// the relay.
class CaptureRelay {
 public:
  // fifoBytes: how much the FIFO holds (rounded up to a power of two); a few seconds of the
  // stream lets a source hand over its sound in large blocks.
  CaptureRelay(BufferQueue& queue, std::size_t fifoBytes);
  ~CaptureRelay();
  CaptureRelay(const CaptureRelay&) = delete;
  CaptureRelay& operator=(const CaptureRelay&) = delete;

  // The stream's thread only: keeps count bytes (silence when data is null). Ignored while
  // stopped.
  void deliver(const std::uint8_t* data, std::size_t count);
  // Any thread: a buffer was queued, so waiting bytes can move on.
  void buffersAdded() { wake(); }

  // Empties the FIFO and begins handing bytes on.
  void start();
  // Hands on what has arrived as far as queued buffers take it, then ends handing bytes on:
  // once it returns, no byte reaches the queue until start().
  void stop();

  // Bytes lost to an overflow of the FIFO since construction.
  std::uint64_t droppedBytes() const { return dropped_.load(std::memory_order_relaxed); }
  std::size_t fifoCapacity() const { return fifo_.capacity(); }

 private:
  void wake();
  void run();
  // Moves waiting bytes into the queue while it has room (relay thread, passMutex_ held).
  void pass();
  void reportDrops();

  CaptureFifo fifo_;
  BufferQueue& queue_;
  std::atomic<bool> running_{false};
  std::atomic<bool> quit_{false};
  std::atomic<std::uint32_t> wakeups_{0};
  std::atomic<std::uint64_t> dropped_{0};
  std::uint64_t reported_ = 0;  // relay thread only
  std::mutex passMutex_;        // held by each pass; stop() waits on it
  std::thread thread_;
};

}  // namespace qp
