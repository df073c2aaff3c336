#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "alarms/scheduling/AlarmTimers.h"

class QTimer;

namespace qp::app {

// The alarm scheduler's timers on the Qt event loop: one repeating QTimer per id, firing the
// handler on the UI thread. A timer killed or restarted from inside the handler is safe. The
// intervals are wall-clock milliseconds; nothing here wakes the program between firings.
class QtAlarmTimers final : public QObject, public AlarmTimers {
  Q_OBJECT

 public:
  explicit QtAlarmTimers(QObject* parent = nullptr);
  ~QtAlarmTimers() override;
  QtAlarmTimers(const QtAlarmTimers&) = delete;
  QtAlarmTimers& operator=(const QtAlarmTimers&) = delete;

  void setHandler(std::function<void(int)> onTimer) { onTimer_ = std::move(onTimer); }

  void setTimer(int id, std::int64_t intervalMs) override;
  void killTimer(int id) override;

  std::size_t activeCount() const { return timers_.size(); }
  // The interval of timer id in ms, or -1 when it is not running.
  std::int64_t intervalOf(int id) const;

 private:
  std::function<void(int)> onTimer_;
  std::map<int, std::unique_ptr<QTimer>> timers_;
};

}  // namespace qp::app
