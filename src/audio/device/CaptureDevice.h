#pragma once

#include <cstdint>
#include <memory>

#include "audio/device/AudioBackend.h"
#include "audio/device/AudioBuffer.h"
#include "audio/device/SoundDevice.h"
#include "audio/wave/WaveFormat.h"

namespace qp {

// The capture device: a ring of fixed-size buffers and the default capture source, opened
// with a completion event. It decides nothing; the recording thread drives it in the order
// create, setBufferCount, configure, open, queueAll, start, (wait, unprepare, consume,
// prepare, add)..., stop, reset, close. Created and opened on the UI thread, then used by one
// recording thread only.
class CaptureDevice : public SoundDevice {
 public:
  explicit CaptureDevice(AudioBackend& backend);
  ~CaptureDevice();

  // Stores the count and rebuilds the ring; false if a buffer could not be made.
  bool setBufferCount(int count);
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
  // When open: unprepares every buffer and closes; true only if every step succeeded.
  bool close();

 private:
  std::unique_ptr<WaveInPort> port_;
};

}  // namespace qp
