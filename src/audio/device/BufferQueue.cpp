#include "audio/device/BufferQueue.h"

#include <algorithm>
#include <cstring>

#include "audio/device/AudioBackend.h"

namespace qp {

int BufferQueue::prepare(AudioBuffer& buffer) {
  buffer.setFlags(AudioBuffer::WHDR_PREPARED);
  return 0;
}

int BufferQueue::unprepare(AudioBuffer& buffer) {
  if (buffer.inQueue()) {
    return WAVERR_STILLPLAYING;
  }
  buffer.clearFlags(AudioBuffer::WHDR_PREPARED);
  return 0;
}

int BufferQueue::enqueue(AudioBuffer& buffer) {
  if (!buffer.prepared()) {
    return WAVERR_UNPREPARED;
  }
  if (buffer.inQueue()) {
    return WAVERR_STILLPLAYING;
  }
  std::lock_guard lock(mutex_);
  buffer.setBytesRecorded(0);
  buffer.clearFlags(AudioBuffer::WHDR_DONE);
  buffer.setFlags(AudioBuffer::WHDR_INQUEUE);
  queue_.push_back(&buffer);
  return 0;
}

void BufferQueue::completeLocked(AudioBuffer& buffer, std::uint32_t bytes) {
  buffer.setBytesRecorded(bytes);
  buffer.clearFlags(AudioBuffer::WHDR_INQUEUE);
  buffer.setFlags(AudioBuffer::WHDR_DONE);
  completion_.signal();
}

std::size_t BufferQueue::fill(const std::uint8_t* data, std::size_t count) {
  std::lock_guard lock(mutex_);
  std::size_t taken = 0;
  while (taken < count && !queue_.empty()) {
    AudioBuffer& front = *queue_.front();
    const std::size_t room = front.length() - frontFill_;
    const std::size_t piece = std::min(room, count - taken);
    if (data != nullptr) {
      std::memcpy(front.data() + frontFill_, data + taken, piece);
    } else {
      std::memset(front.data() + frontFill_, 0, piece);
    }
    frontFill_ += static_cast<std::uint32_t>(piece);
    taken += piece;
    if (frontFill_ == front.length()) {
      queue_.pop_front();
      completeLocked(front, frontFill_);
      frontFill_ = 0;
    }
  }
  return taken;
}

void BufferQueue::completePartial() {
  std::lock_guard lock(mutex_);
  if (!queue_.empty() && frontFill_ > 0) {
    AudioBuffer& front = *queue_.front();
    queue_.pop_front();
    completeLocked(front, frontFill_);
    frontFill_ = 0;
  }
}

void BufferQueue::completeFront() {
  std::lock_guard lock(mutex_);
  if (!queue_.empty()) {
    AudioBuffer& front = *queue_.front();
    queue_.pop_front();
    completeLocked(front, front.length());
  }
}

void BufferQueue::completeAll() {
  std::lock_guard lock(mutex_);
  bool first = true;
  for (AudioBuffer* buffer : queue_) {
    completeLocked(*buffer, first ? frontFill_ : 0);
    first = false;
  }
  queue_.clear();
  frontFill_ = 0;
}

std::size_t BufferQueue::size() const {
  std::lock_guard lock(mutex_);
  return queue_.size();
}

}  // namespace qp
