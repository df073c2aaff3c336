#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "audio/device/AudioBackend.h"
#include "audio/device/AudioBuffer.h"
#include "audio/device/AudioEvent.h"
#include "audio/wave/WaveFormat.h"

namespace qp {

// The playback device: a ring of buffers of one size and the default playback sink. The
// playback thread fills buffers, writes them, and treats a buffer as free once unprepare
// succeeds (never prepared, or played to the end). Created and opened on the UI thread, then
// used by one playback thread only.
class PlaybackDevice {
 public:
  static constexpr int kDeviceId = -1;
  static constexpr int kDefaultBufferCount = 10;
  static constexpr std::uint32_t kDefaultBufferSize = 1024;

  explicit PlaybackDevice(AudioBackend& backend);
  ~PlaybackDevice();
  PlaybackDevice(const PlaybackDevice&) = delete;
  PlaybackDevice& operator=(const PlaybackDevice&) = delete;

  // Stores the count only; the next configure rebuilds the ring.
  void setBufferCount(int count) { bufferCount_ = count; }
  // Copies the format, stores the size and rebuilds the ring; always true.
  bool configure(const WaveFormat& format, std::uint32_t bufferSize);
  bool open(const WaveFormat& format);
  bool resetEvent();
  bool prepare(AudioBuffer& buffer);
  // True at once for a buffer that is not prepared; refused while the sink still holds it.
  bool unprepare(AudioBuffer& buffer);
  bool write(AudioBuffer& buffer);
  bool reset();
  AudioBuffer* buffer(int index);
  int count() const { return bufferCount_; }
  // Unprepares every buffer, then closes the sink if open.
  void close();

  bool isOpen() const { return open_; }
  std::uint32_t bufferSize() const { return bufferSize_; }
  const WaveFormat& format() const { return format_; }
  int lastResult() const { return lastResult_; }

 private:
  bool check(int result);

  AudioBackend& backend_;
  AudioEvent event_;
  std::unique_ptr<WaveOutPort> port_;
  int bufferCount_ = kDefaultBufferCount;
  std::uint32_t bufferSize_ = kDefaultBufferSize;
  bool open_ = false;
  WaveFormat format_;
  std::vector<std::unique_ptr<AudioBuffer>> buffers_;
  int lastResult_ = 0;
};

}  // namespace qp
