#include "audio/device/WorkerThread.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>

namespace qp {
namespace {

// Nice value asked for the workers: as high a priority as an ordinary user may be given.
constexpr int kWorkerNice = -10;

void raisePriority() {
  const auto tid = static_cast<id_t>(syscall(SYS_gettid));
  // Refused without the right to raise priority; the thread then runs at normal priority.
  static_cast<void>(setpriority(PRIO_PROCESS, tid, kWorkerNice));
}

}  // namespace

WorkerThread::~WorkerThread() {
  join();
}

void WorkerThread::start(std::function<void()> body) {
  join();
  {
    std::lock_guard lock(mutex_);
    finished_ = false;
  }
  thread_ = std::thread([this, run = std::move(body)] {
    raisePriority();
    run();
    std::lock_guard lock(mutex_);
    finished_ = true;
    cv_.notify_all();
  });
}

bool WorkerThread::waitFor(std::uint32_t timeoutMs) {
  std::unique_lock lock(mutex_);
  return cv_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return finished_; });
}

void WorkerThread::join() {
  if (thread_.joinable()) {
    thread_.join();
  }
}

}  // namespace qp
