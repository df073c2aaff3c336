#pragma once

#include <chrono>
#include <functional>

namespace qp::test {

// How long a test waits for something another thread or process brings about. Generous, so
// that a loaded machine is never the reason for a failure; only a hang reaches it.
inline constexpr std::chrono::milliseconds kGenerousDeadline = std::chrono::seconds(30);

// Asks done() every few milliseconds until it holds (true) or the deadline passes (false).
bool waitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds deadline = kGenerousDeadline);

}  // namespace qp::test
