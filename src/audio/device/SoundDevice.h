#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "audio/device/AudioBackend.h"
#include "audio/device/AudioBuffer.h"
#include "audio/device/AudioEvent.h"
#include "audio/wave/WaveFormat.h"

namespace qp {

// What the capture and the playback device share: a ring of buffers of one size, the format,
// the completion event the sound system signals, whether the port is open, and the result
// code of the last port call (0 is success). A device is created and opened on the UI
// thread, then used by one worker thread only.
class SoundDevice {
 public:
  static constexpr int kDeviceId = -1;  // the default source or sink; never changed
  static constexpr int kDefaultBufferCount = 10;
  static constexpr std::uint32_t kDefaultBufferSize = 1024;

  SoundDevice(const SoundDevice&) = delete;
  SoundDevice& operator=(const SoundDevice&) = delete;

  // Copies the format, stores the size and rebuilds the ring; always true.
  bool configure(const WaveFormat& format, std::uint32_t bufferSize);
  // The ring entry, or nullptr when there is no ring or the index is outside it.
  AudioBuffer* buffer(int index);
  // The buffer count last asked for; the ring follows it when it is next rebuilt.
  int count() const { return bufferCount_; }

  bool isOpen() const { return open_; }
  std::uint32_t bufferSize() const { return bufferSize_; }
  const WaveFormat& format() const { return format_; }
  int lastResult() const { return lastResult_; }

 protected:
  explicit SoundDevice(AudioBackend& backend) : backend_(backend) {}
  ~SoundDevice() = default;

  // Keeps result as the last one; true when it is success.
  bool check(int result);
  // Stores the buffer count; the ring is rebuilt by buildRing or configure.
  void setCount(int count) { bufferCount_ = count; }
  // Rebuilds the ring: count() zero-filled buffers of bufferSize(). False when a buffer
  // could not be made; the ring then stops short.
  bool buildRing();
  // Opens the port through one of the backend's opens (openInput or openOutput). False,
  // with the port let go, when the sound system refuses; false at once when already open.
  template <typename Port>
  bool openPort(int (AudioBackend::*open)(const WaveFormat&, AudioEvent&, std::unique_ptr<Port>&),
                const WaveFormat& format, std::unique_ptr<Port>& port) {
    if (open_) {
      return false;
    }
    if (!check((backend_.*open)(format, event_, port))) {
      port.reset();
      return false;
    }
    open_ = true;
    return true;
  }
  void markClosed() { open_ = false; }

  AudioEvent& event() { return event_; }
  std::vector<std::unique_ptr<AudioBuffer>>& ring() { return buffers_; }

 private:
  AudioBackend& backend_;
  AudioEvent event_;
  int bufferCount_ = kDefaultBufferCount;
  std::uint32_t bufferSize_ = kDefaultBufferSize;
  bool open_ = false;
  WaveFormat format_;
  std::vector<std::unique_ptr<AudioBuffer>> buffers_;
  int lastResult_ = 0;
};

}  // namespace qp
