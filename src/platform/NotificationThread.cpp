#include "platform/NotificationThread.h"

#include <utility>

namespace qp {

NotificationThread::NotificationThread() : thread_([this] { run(); }) {}

NotificationThread::~NotificationThread() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    tasks_.clear();
  }
  wake_.notify_one();
  if (onThisThread()) {
    thread_.detach();  // the last owner went away inside a task; the thread ends after it
  } else {
    thread_.join();
  }
}

void NotificationThread::post(std::function<void()> task) {
  {
    std::lock_guard lock(mutex_);
    if (stopping_) {
      return;
    }
    tasks_.push_back(std::move(task));
  }
  wake_.notify_one();
}

void NotificationThread::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
    if (stopping_) {
      return;
    }
    auto task = std::move(tasks_.front());
    tasks_.pop_front();
    lock.unlock();
    task();
    lock.lock();
  }
}

}  // namespace qp
