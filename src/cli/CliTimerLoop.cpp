#include "cli/CliTimerLoop.h"

#include <algorithm>
#include <thread>

namespace qp::cli {

void CliTimerLoop::setTimer(int id, std::int64_t intervalMs) {
  const std::chrono::milliseconds interval(std::max<std::int64_t>(intervalMs, 0));
  timers_[id] = {Clock::now() + interval, interval};
}

void CliTimerLoop::killTimer(int id) {
  timers_.erase(id);
}

void CliTimerLoop::runUntil(const std::function<bool()>& done) {
  constexpr std::chrono::milliseconds kPoll(50);
  while (!done()) {
    const Clock::time_point now = Clock::now();
    auto next = std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
      return a.second.due < b.second.due;
    });
    if (next != timers_.end() && next->second.due <= now) {
      const int id = next->first;
      // The next turn counts from now, not from the due time: a late timer never fires
      // twice in a row to catch up.
      next->second.due = now + std::max(next->second.interval, std::chrono::milliseconds(1));
      if (onTimer_) {
        onTimer_(id);
      }
      continue;
    }
    const Clock::time_point wake =
        next == timers_.end() ? now + kPoll : std::min(now + kPoll, next->second.due);
    std::this_thread::sleep_until(wake);
  }
}

}  // namespace qp::cli
