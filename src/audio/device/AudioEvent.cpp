#include "audio/device/AudioEvent.h"

#include <chrono>

namespace qp {

void AudioEvent::signal() {
  {
    std::lock_guard lock(mutex_);
    signalled_ = true;
  }
  cv_.notify_one();
}

void AudioEvent::reset() {
  std::lock_guard lock(mutex_);
  signalled_ = false;
}

int AudioEvent::wait(std::uint32_t timeoutMs) {
  std::unique_lock lock(mutex_);
  if (!cv_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return signalled_; })) {
    return WAIT_TIMEOUT;
  }
  signalled_ = false;
  return WAIT_OBJECT_0;
}

}  // namespace qp
