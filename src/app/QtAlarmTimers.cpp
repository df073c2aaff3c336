#include "app/QtAlarmTimers.h"

#include <QTimer>
#include <limits>

namespace qp::app {

QtAlarmTimers::QtAlarmTimers(QObject* parent) : QObject(parent) {}

QtAlarmTimers::~QtAlarmTimers() = default;

void QtAlarmTimers::setTimer(int id, std::int64_t intervalMs) {
  auto& timer = timers_[id];
  if (!timer) {
    timer = std::make_unique<QTimer>();
    // Alarms are set to the second; a precise timer keeps a 1 s due delay from drifting late.
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer.get(), &QTimer::timeout, this, [this, id] {
      if (onTimer_) {
        onTimer_(id);
      }
    });
  }
  const std::int64_t limit = std::numeric_limits<int>::max();
  timer->start(static_cast<int>(std::clamp<std::int64_t>(intervalMs, 0, limit)));
}

void QtAlarmTimers::killTimer(int id) {
  auto it = timers_.find(id);
  if (it == timers_.end()) {
    return;
  }
  // The timer may be the one whose signal is being delivered: let the loop delete it.
  it->second->stop();
  it->second.release()->deleteLater();
  timers_.erase(it);
}

std::int64_t QtAlarmTimers::intervalOf(int id) const {
  auto it = timers_.find(id);
  return it == timers_.end() ? -1 : it->second->interval();
}

}  // namespace qp::app
