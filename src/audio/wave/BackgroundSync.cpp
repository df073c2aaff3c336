#include "audio/wave/BackgroundSync.h"

#include <utility>

namespace qp {

BackgroundSync::BackgroundSync(std::function<bool()> syncOnce) : syncOnce_(std::move(syncOnce)) {}

BackgroundSync::~BackgroundSync() {
  finish();
}

bool BackgroundSync::request() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!thread_.joinable()) {
    stopping_ = false;
    thread_ = std::thread([this] { run(); });
  }
  pending_ = true;
  wake_.notify_one();
  return !failed_;
}

bool BackgroundSync::finish() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!thread_.joinable()) {
      return !failed_;
    }
    stopping_ = true;
    wake_.notify_one();
  }
  thread_.join();
  std::lock_guard<std::mutex> lock(mutex_);
  return !failed_;
}

int BackgroundSync::completed() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return completed_;
}

void BackgroundSync::run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return pending_ || stopping_; });
    if (!pending_) {
      return;  // stopping with nothing asked for
    }
    pending_ = false;
    lock.unlock();
    const bool ok = syncOnce_();
    lock.lock();
    failed_ = failed_ || !ok;
    ++completed_;
  }
}

}  // namespace qp
