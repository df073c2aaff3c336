#pragma once

#include <functional>
#include <memory>

#include "common/UiServices.h"

namespace qp {

// Carries a worker thread's reports to the UI thread for a controller that starts one run
// (recording or playback) after another. A report runs on the UI thread only while the
// poster still lives and, for reporter(), while no newer run has begun since it was made, so
// a late report of a finished run or of a destroyed controller changes nothing. Owned by the
// controller; beginRun, reporter, reporterOfAnyRun and close are called on the UI thread, the
// functions they return from any thread.
class CurrentRunPoster {
 public:
  // ui must outlive the poster and every function it hands out.
  explicit CurrentRunPoster(UiServices& ui);
  ~CurrentRunPoster();
  CurrentRunPoster(const CurrentRunPoster&) = delete;
  CurrentRunPoster& operator=(const CurrentRunPoster&) = delete;

  // Begins a new run: reports made for earlier runs are dropped from now on.
  void beginRun();
  // A report of the current run: each call posts action, which runs if the poster lives and
  // the run is still current.
  std::function<void()> reporter(std::function<void()> action) const;
  // As reporter, but action runs for a run that is no longer current too, and is told
  // whether its run is still current.
  std::function<void()> reporterOfAnyRun(std::function<void(bool current)> action) const;
  // Drops every report from now on (the owner is going away).
  void close();

 private:
  struct State {
    unsigned run = 0;
    bool open = true;
  };

  UiServices& ui_;
  std::shared_ptr<State> state_ = std::make_shared<State>();
};

}  // namespace qp
