#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace qp {

// A thread of its own that runs posted tasks one at a time in the order posted: the sound
// server's event thread hands notifications over to it, so that handlers may call back into
// the server (which they could not do on its event thread). Stopping drops what is still
// queued and waits for the running task.
class NotificationThread {
 public:
  NotificationThread();
  ~NotificationThread();
  NotificationThread(const NotificationThread&) = delete;
  NotificationThread& operator=(const NotificationThread&) = delete;

  // Safe from any thread, including the event thread (never blocks on a running task).
  void post(std::function<void()> task);
  bool onThisThread() const { return std::this_thread::get_id() == thread_.get_id(); }

 private:
  void run();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> tasks_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace qp
