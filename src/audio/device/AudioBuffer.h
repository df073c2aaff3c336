#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

namespace qp {

// One device buffer: a header (length, bytes recorded, flags) and its data block. Shared by
// the capture and the playback device. The flags are changed by the backend's own thread
// while a worker polls them, so they are atomic.
class AudioBuffer {
 public:
  static constexpr std::uint32_t WHDR_DONE = 0x01;      // the device has finished with it
  static constexpr std::uint32_t WHDR_PREPARED = 0x02;  // prepared for the device
  static constexpr std::uint32_t WHDR_INQUEUE = 0x10;   // queued at the device

  // Allocates a zero-filled data block of exactly sizeBytes; the length is that size.
  explicit AudioBuffer(std::uint32_t sizeBytes);
  AudioBuffer(const AudioBuffer&) = delete;
  AudioBuffer& operator=(const AudioBuffer&) = delete;

  std::uint8_t* data() { return data_.get(); }
  const std::uint8_t* data() const { return data_.get(); }
  std::uint32_t capacity() const { return capacity_; }

  // Bytes the device is to play or may fill; at most capacity().
  std::uint32_t length() const { return length_; }
  void setLength(std::uint32_t length);

  std::uint32_t bytesRecorded() const { return bytesRecorded_.load(std::memory_order_acquire); }
  void setBytesRecorded(std::uint32_t count) {
    bytesRecorded_.store(count, std::memory_order_release);
  }

  std::uint32_t flags() const { return flags_.load(std::memory_order_acquire); }
  void setFlags(std::uint32_t bits) { flags_.fetch_or(bits, std::memory_order_acq_rel); }
  void clearFlags(std::uint32_t bits) { flags_.fetch_and(~bits, std::memory_order_acq_rel); }
  bool done() const { return (flags() & WHDR_DONE) != 0; }
  bool prepared() const { return (flags() & WHDR_PREPARED) != 0; }
  bool inQueue() const { return (flags() & WHDR_INQUEUE) != 0; }

 private:
  std::unique_ptr<std::uint8_t[]> data_;
  std::uint32_t capacity_;
  std::uint32_t length_;
  std::atomic<std::uint32_t> bytesRecorded_{0};
  std::atomic<std::uint32_t> flags_{0};
};

}  // namespace qp
