// Which reports of a worker reach the UI thread: only those of the current run while the
// poster lives; reporterOfAnyRun also those of older runs, told that they are stale.
#include "audio/device/CurrentRunPoster.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "support/FakeAudioUi.h"

namespace qp {
namespace {

TEST(CurrentRunPoster, ReportsRunOnTheUiThreadOnlyWhileTheirRunIsCurrent) {
  struct Row {
    const char* what;
    int newerRuns;  // runs begun after the report was made, before it is run
    bool closed;    // the poster was closed before the report is run
    bool ran;
  };
  const Row rows[] = {
      {"current run", 0, false, true},
      {"a newer run began", 1, false, false},
      {"closed", 0, true, false},
  };
  for (const Row& row : rows) {
    test::FakeUiServices ui;
    CurrentRunPoster poster(ui);
    poster.beginRun();
    int ran = 0;
    const std::function<void()> report = poster.reporter([&] { ++ran; });
    std::thread worker(report);  // posted from a worker, as the capture thread does
    worker.join();
    EXPECT_EQ(ran, 0) << row.what << ": ran before the UI thread took it";
    for (int i = 0; i < row.newerRuns; ++i) {
      poster.beginRun();
    }
    if (row.closed) {
      poster.close();
    }
    EXPECT_EQ(ui.runPending(), 1) << row.what;
    EXPECT_EQ(ran, row.ran ? 1 : 0) << row.what;
  }
}

TEST(CurrentRunPoster, AReportOfAnyRunLearnsWhetherItsRunIsStillCurrent) {
  test::FakeUiServices ui;
  CurrentRunPoster poster(ui);
  std::vector<bool> heard;
  poster.beginRun();
  const auto first = poster.reporterOfAnyRun([&](bool current) { heard.push_back(current); });
  first();
  poster.beginRun();
  const auto second = poster.reporterOfAnyRun([&](bool current) { heard.push_back(current); });
  second();
  first();  // a late report of the first run
  ui.runPending();
  EXPECT_EQ(heard, (std::vector<bool>{false, true, false}));
}

TEST(CurrentRunPoster, ReportsQueuedWhenThePosterGoesAreDropped) {
  test::FakeUiServices ui;
  int ran = 0;
  auto poster = std::make_unique<CurrentRunPoster>(ui);
  poster->beginRun();
  const auto report = poster->reporter([&] { ++ran; });
  const auto anyRun = poster->reporterOfAnyRun([&](bool) { ++ran; });
  report();
  poster.reset();
  report();  // the worker may still report after its owner went
  anyRun();
  EXPECT_EQ(ui.runPending(), 3);
  EXPECT_EQ(ran, 0);
}

}  // namespace
}  // namespace qp
