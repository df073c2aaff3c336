#pragma once

#include <cstdint>

namespace qp {

// The alarm scheduler's repeating timers, known by id: setTimer starts (or restarts)
// timer id, which then fires every intervalMs milliseconds until killTimer. Firing means a call
// of AlarmScheduler::onTimer(id) on the scheduler's thread; a timer never fires from inside
// setTimer or killTimer.
class AlarmTimers {
 public:
  virtual ~AlarmTimers() = default;
  virtual void setTimer(int id, std::int64_t intervalMs) = 0;
  virtual void killTimer(int id) = 0;
};

}  // namespace qp
