#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace qp {

// Runs a "wait until the data is on the storage device" call on a thread of its own, so the
// thread that asks for it (the capture loop, once a second) never waits for a slow disk.
// Requests made while a sync runs are merged into one more sync after it. A failed sync is
// kept and reported by the next request() and by finish(). The thread starts with the first
// request and ends in finish() or the destructor.
class BackgroundSync {
 public:
  // syncOnce does one sync and says whether it succeeded; it runs on the helper thread only.
  explicit BackgroundSync(std::function<bool()> syncOnce);
  ~BackgroundSync();
  BackgroundSync(const BackgroundSync&) = delete;
  BackgroundSync& operator=(const BackgroundSync&) = delete;

  // Asks for a sync and returns at once: false when an earlier sync has failed.
  bool request();
  // Waits for the sync that runs or is asked for, stops the thread; true when every sync
  // succeeded. Later requests start the thread again.
  bool finish();
  // Syncs completed so far (tests and traces).
  int completed() const;

 private:
  void run();

  std::function<bool()> syncOnce_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::thread thread_;
  bool pending_ = false;
  bool stopping_ = false;
  bool failed_ = false;
  int completed_ = 0;
};

}  // namespace qp
