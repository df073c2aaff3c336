#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qp {

// A lock-free byte ring between exactly one producer thread and one consumer thread. The
// capacity is fixed at construction (the requested size rounded up to a power of two). The
// producer never waits: it writes what fits and is told how much did not. Neither side
// allocates after construction. The padding between the counters is deliberate.
class CaptureFifo {  // NOLINT(clang-analyzer-optin.performance.Padding)
 public:
  explicit CaptureFifo(std::size_t minimumBytes);
  CaptureFifo(const CaptureFifo&) = delete;
  CaptureFifo& operator=(const CaptureFifo&) = delete;

  std::size_t capacity() const { return ring_.size(); }

  // Producer: appends up to count bytes (zeros when data is null) and returns how many fit.
  std::size_t push(const std::uint8_t* data, std::size_t count);

  // Consumer: the oldest unread bytes that lie in one piece of memory (empty when there are
  // none); valid until release().
  std::span<const std::uint8_t> readable() const;
  // Consumer: gives back the first count bytes of readable().
  void release(std::size_t count);
  // Consumer: drops every byte written so far.
  void discardAll();

  // Bytes waiting to be read; exact on the consumer's thread, a snapshot elsewhere.
  std::size_t size() const;

 private:
  // The two counters live on separate cache lines so the threads do not share one.
  static constexpr std::size_t kLine = 64;

  std::vector<std::uint8_t> ring_;
  std::size_t mask_ = 0;
  alignas(kLine) std::atomic<std::uint64_t> written_{0};  // bytes ever pushed; producer's
  alignas(kLine) std::atomic<std::uint64_t> read_{0};     // bytes ever released; consumer's
};

}  // namespace qp
