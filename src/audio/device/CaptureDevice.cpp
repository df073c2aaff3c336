#include "audio/device/CaptureDevice.h"

namespace qp {

CaptureDevice::CaptureDevice(AudioBackend& backend) : SoundDevice(backend) {}

CaptureDevice::~CaptureDevice() {
  close();
}

bool CaptureDevice::setBufferCount(int count) {
  setCount(count);
  return buildRing();
}

bool CaptureDevice::open(const WaveFormat& format) {
  return openPort(&AudioBackend::openInput, format, port_);
}

bool CaptureDevice::queueAll() {
  for (auto& buffer : ring()) {
    if (!prepare(*buffer) || !add(*buffer)) {
      return false;
    }
  }
  return true;
}

bool CaptureDevice::start() {
  return port_ && check(port_->start());
}
bool CaptureDevice::stop() {
  return port_ && check(port_->stop());
}
bool CaptureDevice::reset() {
  return port_ && check(port_->reset());
}
bool CaptureDevice::prepare(AudioBuffer& buffer) {
  return port_ && check(port_->prepare(buffer));
}
bool CaptureDevice::add(AudioBuffer& buffer) {
  return port_ && check(port_->add(buffer));
}

bool CaptureDevice::unprepare(AudioBuffer& buffer) {
  return port_ && check(port_->unprepare(buffer));
}

int CaptureDevice::wait(std::uint32_t timeoutMs) {
  return event().wait(timeoutMs);
}

bool CaptureDevice::close() {
  if (!isOpen()) {
    return true;
  }
  bool ok = true;
  for (auto& buffer : ring()) {
    ok = unprepare(*buffer) && ok;
  }
  ok = check(port_->close()) && ok;
  port_.reset();
  markClosed();
  return ok;
}

}  // namespace qp
