#include "platform/CaptureRelay.h"

#include <string>

#include "common/DiagnosticTrace.h"

namespace qp {

CaptureRelay::CaptureRelay(BufferQueue& queue, std::size_t fifoBytes)
    : fifo_(fifoBytes), queue_(queue), thread_([this] { run(); }) {}

CaptureRelay::~CaptureRelay() {
  quit_.store(true, std::memory_order_release);
  wake();
  thread_.join();
}

void CaptureRelay::deliver(const std::uint8_t* data, std::size_t count) {
  if (!running_.load(std::memory_order_acquire)) {
    return;
  }
  const std::size_t kept = fifo_.push(data, count);
  if (kept < count) {
    dropped_.fetch_add(count - kept, std::memory_order_relaxed);
  }
  wake();
}

void CaptureRelay::wake() {
  wakeups_.store(1, std::memory_order_release);
  wakeups_.notify_one();
}

void CaptureRelay::start() {
  {
    std::lock_guard lock(passMutex_);
    fifo_.discardAll();
  }
  running_.store(true, std::memory_order_release);
  wake();
}

void CaptureRelay::stop() {
  // A pass under way finishes first; then what has arrived moves on as far as there is room,
  // and later passes see running_ cleared.
  std::lock_guard lock(passMutex_);
  if (running_.load(std::memory_order_acquire)) {
    pass();
  }
  running_.store(false, std::memory_order_release);
}

void CaptureRelay::run() {
  for (;;) {
    wakeups_.wait(0, std::memory_order_acquire);
    // Taken before the pass: a wake-up that comes during it leads to another pass.
    wakeups_.exchange(0, std::memory_order_acq_rel);
    if (quit_.load(std::memory_order_acquire)) {
      return;
    }
    std::lock_guard lock(passMutex_);
    if (running_.load(std::memory_order_acquire)) {
      pass();
    }
    reportDrops();
  }
}

void CaptureRelay::pass() {
  for (;;) {
    const auto waiting = fifo_.readable();
    if (waiting.empty()) {
      return;
    }
    const std::size_t taken = queue_.fill(waiting.data(), waiting.size());
    fifo_.release(taken);
    if (taken < waiting.size()) {
      return;  // no room left: the next queued buffer wakes us
    }
  }
}

void CaptureRelay::reportDrops() {
  const std::uint64_t dropped = dropped_.load(std::memory_order_relaxed);
  if (dropped == reported_) {
    return;
  }
  diagnosticTrace("Capture: the " + std::to_string(fifo_.capacity()) +
                  "-byte buffer of the microphone overflowed; " +
                  std::to_string(dropped - reported_) + " bytes of sound were lost (" +
                  std::to_string(dropped) + " in all).");
  reported_ = dropped;
}

}  // namespace qp
