#pragma once

#include <chrono>
#include <functional>
#include <map>

#include "alarms/scheduling/AlarmTimers.h"

namespace qp::cli {

// Repeating timers for the command line, which has no event loop: runUntil dispatches each timer
// that comes due to the handler (on the calling thread) and sleeps in between. runUntil may be
// entered again from inside the handler (a popup waiting while other timers fire).
class CliTimerLoop final : public AlarmTimers {
 public:
  void setHandler(std::function<void(int)> onTimer) { onTimer_ = std::move(onTimer); }

  void setTimer(int id, std::int64_t intervalMs) override;
  void killTimer(int id) override;

  // Runs until done() returns true; done is asked at least every 50 ms.
  void runUntil(const std::function<bool()>& done);

 private:
  using Clock = std::chrono::steady_clock;
  struct Timer {
    Clock::time_point due;
    std::chrono::milliseconds interval{0};
  };

  std::function<void(int)> onTimer_;
  std::map<int, Timer> timers_;
};

}  // namespace qp::cli
