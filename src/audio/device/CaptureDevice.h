#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "audio/device/AudioBackend.h"
#include "audio/device/AudioBuffer.h"
#include "audio/device/AudioEvent.h"
#include "audio/wave/WaveFormat.h"

namespace qp {

// The capture device: a ring of fixed-size buffers and the default capture source, opened
// with a completion event. It decides nothing; the recording thread drives it in the order
// create, setBufferCount, configure, open, queueAll, start, (wait, unprepare, consume,
// prepare, add)..., stop, reset, close. Created and opened on the UI thread, then used by one
// recording thread only.
class CaptureDevice {
 public:
  static constexpr int kDeviceId = -1;  // the default source; never changed
  static constexpr int kDefaultBufferCount = 10;
  static constexpr std::uint32_t kDefaultBufferSize = 1024;

  explicit CaptureDevice(AudioBackend& backend);
  ~CaptureDevice();
  CaptureDevice(const CaptureDevice&) = delete;
  CaptureDevice& operator=(const CaptureDevice&) = delete;

  // Stores the count and rebuilds the ring; false if a buffer could not be made.
  bool setBufferCount(int count);
  // Copies the format, stores the size and rebuilds the ring; always true.
  bool configure(const WaveFormat& format, std::uint32_t bufferSize);
  // False when already open or when the sound system refuses.
  bool open(const WaveFormat& format);
  // Prepares and adds every buffer in index order; false at the first failure.
  bool queueAll();
  bool start();
  bool stop();
  bool reset();
  bool prepare(AudioBuffer& buffer);
  bool unprepare(AudioBuffer& buffer);
  bool add(AudioBuffer& buffer);
  // WAIT_OBJECT_0 when a buffer completed, WAIT_TIMEOUT after timeoutMs.
  int wait(std::uint32_t timeoutMs);
  // The ring entry, or nullptr when there is no ring or the index is outside it.
  AudioBuffer* buffer(int index);
  int count() const { return bufferCount_; }
  // When open: unprepares every buffer and closes; true only if every step succeeded.
  bool close();

  bool isOpen() const { return open_; }
  std::uint32_t bufferSize() const { return bufferSize_; }
  const WaveFormat& format() const { return format_; }
  int lastResult() const { return lastResult_; }

 private:
  bool allocate();
  bool check(int result);

  AudioBackend& backend_;
  AudioEvent event_;
  std::unique_ptr<WaveInPort> port_;
  int bufferCount_ = kDefaultBufferCount;
  std::uint32_t bufferSize_ = kDefaultBufferSize;
  bool open_ = false;
  WaveFormat format_;
  std::vector<std::unique_ptr<AudioBuffer>> buffers_;
  int lastResult_ = 0;
};

}  // namespace qp
