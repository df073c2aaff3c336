#pragma once

#include <memory>

#include "audio/device/AudioBackend.h"
#include "audio/device/AudioBuffer.h"
#include "audio/device/SoundDevice.h"
#include "audio/wave/WaveFormat.h"

namespace qp {

// The playback device: a ring of buffers of one size and the default playback sink. The
// playback thread fills buffers, writes them, and treats a buffer as free once unprepare
// succeeds (never prepared, or played to the end). Created and opened on the UI thread, then
// used by one playback thread only.
class PlaybackDevice : public SoundDevice {
 public:
  explicit PlaybackDevice(AudioBackend& backend);
  ~PlaybackDevice();

  // Stores the count only; the next configure rebuilds the ring.
  void setBufferCount(int count) { setCount(count); }
  // False when already open or when the sound system refuses.
  bool open(const WaveFormat& format);
  bool resetEvent();
  bool prepare(AudioBuffer& buffer);
  // True at once for a buffer that is not prepared; refused while the sink still holds it.
  bool unprepare(AudioBuffer& buffer);
  bool write(AudioBuffer& buffer);
  bool reset();
  // Unprepares every buffer, then closes the sink if open.
  void close();

 private:
  std::unique_ptr<WaveOutPort> port_;
};

}  // namespace qp
