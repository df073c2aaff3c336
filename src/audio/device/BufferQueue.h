#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>

#include "audio/device/AudioBuffer.h"
#include "audio/device/AudioEvent.h"

namespace qp {

// The buffers queued at one port, with the flag rules every backend shares: prepare and
// unprepare (refused while queued), queueing, completion in order with the event signalled.
// Thread-safe: the worker queues, the backend's thread completes.
class BufferQueue {
 public:
  explicit BufferQueue(AudioEvent& completion) : completion_(completion) {}

  static int prepare(AudioBuffer& buffer);
  static int unprepare(AudioBuffer& buffer);
  // Queues a prepared buffer: done cleared, bytes recorded 0.
  int enqueue(AudioBuffer& buffer);

  // Capture: copies bytes into the queued buffers in order, completing each one that fills.
  // Bytes for which no buffer is queued are dropped; returns the bytes taken.
  std::size_t fill(const std::uint8_t* data, std::size_t count);
  // Capture stop: completes the partly filled front buffer, if any.
  void completePartial();

  // Completes the front buffer (playback: it has been played).
  void completeFront();
  // Completes every queued buffer (reset).
  void completeAll();
  std::size_t size() const;
  bool empty() const { return size() == 0; }

 private:
  void completeLocked(AudioBuffer& buffer, std::uint32_t bytes);

  AudioEvent& completion_;
  mutable std::mutex mutex_;
  std::deque<AudioBuffer*> queue_;
  std::uint32_t frontFill_ = 0;
};

}  // namespace qp
