#include "platform/CaptureFifo.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace qp {

CaptureFifo::CaptureFifo(std::size_t minimumBytes)
    : ring_(std::bit_ceil(std::max<std::size_t>(minimumBytes, 2))), mask_(ring_.size() - 1) {}

std::size_t CaptureFifo::push(const std::uint8_t* data, std::size_t count) {
  const std::uint64_t written = written_.load(std::memory_order_relaxed);
  const std::uint64_t read = read_.load(std::memory_order_acquire);
  const auto room = static_cast<std::size_t>(ring_.size() - (written - read));
  const std::size_t taken = std::min(count, room);
  const std::size_t start = written & mask_;
  const std::size_t first = std::min(taken, ring_.size() - start);
  if (data != nullptr) {
    std::memcpy(ring_.data() + start, data, first);
    std::memcpy(ring_.data(), data + first, taken - first);
  } else {
    std::memset(ring_.data() + start, 0, first);
    std::memset(ring_.data(), 0, taken - first);
  }
  written_.store(written + taken, std::memory_order_release);
  return taken;
}

std::span<const std::uint8_t> CaptureFifo::readable() const {
  const std::uint64_t read = read_.load(std::memory_order_relaxed);
  const std::uint64_t written = written_.load(std::memory_order_acquire);
  const std::size_t start = read & mask_;
  const auto waiting = static_cast<std::size_t>(written - read);
  return {ring_.data() + start, std::min(waiting, ring_.size() - start)};
}

void CaptureFifo::release(std::size_t count) {
  read_.store(read_.load(std::memory_order_relaxed) + count, std::memory_order_release);
}

void CaptureFifo::discardAll() {
  read_.store(written_.load(std::memory_order_acquire), std::memory_order_release);
}

std::size_t CaptureFifo::size() const {
  const std::uint64_t read = read_.load(std::memory_order_acquire);
  return static_cast<std::size_t>(written_.load(std::memory_order_acquire) - read);
}

}  // namespace qp
