#include "audio/wave/BackgroundSync.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "support/WaitUntil.h"

namespace qp {
namespace {

// A sync that blocks until released, as a disk that takes its time; counts its calls and the
// threads they ran on.
class SlowDisk {
 public:
  bool sync() {
    std::unique_lock<std::mutex> lock(mutex_);
    ++started_;
    lastThread_ = std::this_thread::get_id();
    released_.wait(lock, [this] { return open_; });
    return result_;
  }
  void release(bool result) {
    std::lock_guard<std::mutex> lock(mutex_);
    open_ = true;
    result_ = result;
    released_.notify_all();
  }
  int started() {
    std::lock_guard<std::mutex> lock(mutex_);
    return started_;
  }
  std::thread::id lastThread() {
    std::lock_guard<std::mutex> lock(mutex_);
    return lastThread_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable released_;
  bool open_ = false;
  bool result_ = true;
  int started_ = 0;
  std::thread::id lastThread_;
};

TEST(BackgroundSyncTest, RequestsNeverWaitForASlowDiskAndMergeWhileItSyncs) {
  SlowDisk disk;
  BackgroundSync sync([&disk] { return disk.sync(); });
  EXPECT_TRUE(sync.request());
  ASSERT_TRUE(test::waitUntil([&] { return disk.started() == 1; }));
  // The disk is stuck in the first sync: further requests still return at once.
  const auto before = std::chrono::steady_clock::now();
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(sync.request());
  }
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
  EXPECT_NE(disk.lastThread(), std::this_thread::get_id());
  disk.release(true);
  EXPECT_TRUE(sync.finish());
  // The five requests made during the first sync became one more sync, not five.
  EXPECT_EQ(disk.started(), 2);
  EXPECT_EQ(sync.completed(), 2);
}

TEST(BackgroundSyncTest, AFailedSyncIsReportedByLaterRequestsAndFinish) {
  struct Row {
    const char* what;
    bool result;
    bool expectRequest;  // what the request after the sync returns
  } rows[] = {{"a sync that succeeds", true, true}, {"a sync that fails", false, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::atomic<int> calls{0};
    BackgroundSync sync([&] {
      ++calls;
      return row.result;
    });
    EXPECT_TRUE(sync.request());  // nothing known yet
    ASSERT_TRUE(test::waitUntil([&] { return sync.completed() == 1; }));
    EXPECT_EQ(sync.request(), row.expectRequest);
    EXPECT_EQ(sync.finish(), row.result);
    EXPECT_EQ(sync.finish(), row.result);  // finishing twice changes nothing
    EXPECT_GE(calls.load(), 1);
  }
}

TEST(BackgroundSyncTest, FinishWithoutARequestStartsNoThreadAndARequestAfterFinishRestarts) {
  std::atomic<int> calls{0};
  BackgroundSync sync([&] {
    ++calls;
    return true;
  });
  EXPECT_TRUE(sync.finish());
  EXPECT_EQ(calls.load(), 0);
  EXPECT_TRUE(sync.request());
  EXPECT_TRUE(sync.finish());
  EXPECT_EQ(calls.load(), 1);  // finish waited for the sync asked for
  EXPECT_TRUE(sync.request());
  EXPECT_TRUE(sync.finish());
  EXPECT_EQ(calls.load(), 2);
}

}  // namespace
}  // namespace qp
