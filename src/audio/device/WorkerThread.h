#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace qp {

// One worker thread of a controller (capture or playback). start() runs the body on a new
// thread whose priority is raised where the system allows (a refusal is ignored).
// waitFor(ms) waits up to ms for the body to return; join() then reclaims the thread. Owned by
// the controller on the UI thread; the body must not call any of these.
class WorkerThread {
 public:
  WorkerThread() = default;
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // Starts body; the previous thread must have been joined.
  void start(std::function<void()> body);
  bool exists() const { return thread_.joinable(); }
  // True when the body has returned (or no thread exists) within timeoutMs.
  bool waitFor(std::uint32_t timeoutMs);
  // Waits however long the body still takes and reclaims the thread.
  void join();

 private:
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable cv_;
  bool finished_ = true;
};

}  // namespace qp
