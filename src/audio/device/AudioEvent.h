#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace qp {

inline constexpr int WAIT_OBJECT_0 = 0;
inline constexpr int WAIT_TIMEOUT = 258;

// Auto-reset event: signal() wakes one wait() (or the next one), which consumes the signal.
// Signalled by a backend thread for every completed buffer.
class AudioEvent {
 public:
  void signal();
  void reset();
  // WAIT_OBJECT_0 when signalled within timeoutMs, WAIT_TIMEOUT otherwise.
  int wait(std::uint32_t timeoutMs);

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  bool signalled_ = false;
};

}  // namespace qp
