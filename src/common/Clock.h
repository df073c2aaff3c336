#pragma once

#include <cstdint>
#include <ctime>

namespace qp {

// The wall clock as the alarm code sees it, in seconds from the Unix epoch. Production code
// uses SystemClock; tests substitute a clock they can set.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t now() const = 0;
};

class SystemClock final : public Clock {
 public:
  std::int64_t now() const override { return static_cast<std::int64_t>(std::time(nullptr)); }
};

}  // namespace qp
