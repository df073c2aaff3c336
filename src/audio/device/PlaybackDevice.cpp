#include "audio/device/PlaybackDevice.h"

#include "audio/device/BufferQueue.h"

namespace qp {

PlaybackDevice::PlaybackDevice(AudioBackend& backend) : SoundDevice(backend) {}

PlaybackDevice::~PlaybackDevice() {
  close();
}

bool PlaybackDevice::open(const WaveFormat& format) {
  return openPort(&AudioBackend::openOutput, format, port_);
}

bool PlaybackDevice::resetEvent() {
  event().reset();
  return true;
}

bool PlaybackDevice::prepare(AudioBuffer& buffer) {
  return port_ && check(port_->prepare(buffer));
}

bool PlaybackDevice::unprepare(AudioBuffer& buffer) {
  if (!buffer.prepared()) {
    return true;
  }
  if (!port_) {
    return check(BufferQueue::unprepare(buffer));
  }
  return check(port_->unprepare(buffer));
}

bool PlaybackDevice::write(AudioBuffer& buffer) {
  return port_ && check(port_->write(buffer));
}

bool PlaybackDevice::reset() {
  return port_ && check(port_->reset());
}

void PlaybackDevice::close() {
  for (auto& buffer : ring()) {
    unprepare(*buffer);
  }
  if (isOpen()) {
    port_->close();
    port_.reset();
    markClosed();
  }
}

}  // namespace qp
