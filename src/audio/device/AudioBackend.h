#pragma once

#include <memory>

#include "audio/device/AudioBuffer.h"
#include "audio/device/AudioEvent.h"
#include "audio/wave/WaveFormat.h"

namespace qp {

// Result codes of the sound ports; 0 is success. The values match the classic wave API so
// that a trace line means the same thing everywhere.
inline constexpr int MMSYSERR_ERROR = 1;
inline constexpr int MMSYSERR_BADDEVICEID = 2;
inline constexpr int MMSYSERR_ALLOCATED = 4;
inline constexpr int MMSYSERR_NODRIVER = 6;
inline constexpr int MMSYSERR_INVALPARAM = 11;
inline constexpr int WAVERR_STILLPLAYING = 33;
inline constexpr int WAVERR_UNPREPARED = 34;

// An open capture stream. Buffers are added in order; the backend fills each one while
// started, then sets its done flag, sets bytes recorded, and signals the open's event.
class WaveInPort {
 public:
  virtual ~WaveInPort() = default;
  virtual int prepare(AudioBuffer& buffer) = 0;
  // WAVERR_STILLPLAYING while the buffer is queued.
  virtual int unprepare(AudioBuffer& buffer) = 0;
  virtual int add(AudioBuffer& buffer) = 0;
  virtual int start() = 0;
  // Stops filling; the partly filled buffer is returned done, empty ones stay queued.
  virtual int stop() = 0;
  // Stops and returns every queued buffer done.
  virtual int reset() = 0;
  virtual int close() = 0;
};

// An open playback stream. A written buffer is done once the sound server has played it.
class WaveOutPort {
 public:
  virtual ~WaveOutPort() = default;
  virtual int prepare(AudioBuffer& buffer) = 0;
  // WAVERR_STILLPLAYING while the buffer is queued or playing.
  virtual int unprepare(AudioBuffer& buffer) = 0;
  virtual int write(AudioBuffer& buffer) = 0;
  // Stops output at once and returns every queued buffer done.
  virtual int reset() = 0;
  virtual int close() = 0;
};

// The sound system: opens the default capture source or playback sink in a format.
class AudioBackend {
 public:
  virtual ~AudioBackend() = default;
  virtual int openInput(const WaveFormat& format, AudioEvent& completion,
                        std::unique_ptr<WaveInPort>& port) = 0;
  virtual int openOutput(const WaveFormat& format, AudioEvent& completion,
                         std::unique_ptr<WaveOutPort>& port) = 0;
};

}  // namespace qp
