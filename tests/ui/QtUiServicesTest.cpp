#include "ui/QtUiServices.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <thread>
#include <vector>

#include "support/WaitUntil.h"

namespace qp {
namespace {

TEST(QtUiServices, TasksPostedFromAWorkerRunOnTheUiThreadInOrder) {
  QtUiServices ui;
  std::vector<int> ran;
  bool allOnUiThread = true;
  QThread* uiThread = QThread::currentThread();
  std::thread worker([&] {
    for (int i = 0; i < 50; ++i) {
      ui.postToUi([&, i] {
        allOnUiThread = allOnUiThread && QThread::currentThread() == uiThread;
        ran.push_back(i);
      });
    }
  });
  worker.join();
  ASSERT_TRUE(test::waitUntil([&] {
    QCoreApplication::processEvents();
    return ran.size() == 50;
  }));
  EXPECT_TRUE(allOnUiThread);
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(ran[static_cast<std::size_t>(i)], i);
  }
}

}  // namespace
}  // namespace qp
