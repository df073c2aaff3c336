#include "audio/device/CaptureDevice.h"

#include <new>

namespace qp {

CaptureDevice::CaptureDevice(AudioBackend& backend) : backend_(backend) {}

CaptureDevice::~CaptureDevice() {
  close();
}

bool CaptureDevice::check(int result) {
  lastResult_ = result;
  return result == 0;
}

bool CaptureDevice::allocate() {
  buffers_.clear();
  try {
    buffers_.reserve(static_cast<std::size_t>(bufferCount_ > 0 ? bufferCount_ : 0));
    for (int i = 0; i < bufferCount_; ++i) {
      buffers_.push_back(std::make_unique<AudioBuffer>(bufferSize_));
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

bool CaptureDevice::setBufferCount(int count) {
  bufferCount_ = count;
  return allocate();
}

bool CaptureDevice::configure(const WaveFormat& format, std::uint32_t bufferSize) {
  format_.copy(format);
  bufferSize_ = bufferSize;
  allocate();
  return true;
}

bool CaptureDevice::open(const WaveFormat& format) {
  if (open_) {
    return false;
  }
  if (!check(backend_.openInput(format, event_, port_))) {
    port_.reset();
    return false;
  }
  open_ = true;
  return true;
}

bool CaptureDevice::queueAll() {
  for (auto& buffer : buffers_) {
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
  return event_.wait(timeoutMs);
}

AudioBuffer* CaptureDevice::buffer(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= buffers_.size()) {
    return nullptr;
  }
  return buffers_[static_cast<std::size_t>(index)].get();
}

bool CaptureDevice::close() {
  if (!open_) {
    return true;
  }
  bool ok = true;
  for (auto& buffer : buffers_) {
    ok = unprepare(*buffer) && ok;
  }
  ok = check(port_->close()) && ok;
  port_.reset();
  open_ = false;
  return ok;
}

}  // namespace qp
