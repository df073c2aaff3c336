#pragma once

#include <cstdint>

#include "common/Clock.h"

namespace qp::test {

// A clock that shows whatever time the test sets.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(std::int64_t now = 0) : now_(now) {}
  std::int64_t now() const override { return now_; }
  void set(std::int64_t now) { now_ = now; }
  void advance(std::int64_t seconds) { now_ += seconds; }

 private:
  std::int64_t now_;
};

}  // namespace qp::test
