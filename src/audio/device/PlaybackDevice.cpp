#include "audio/device/PlaybackDevice.h"

#include <new>

#include "audio/device/BufferQueue.h"

namespace qp {

PlaybackDevice::PlaybackDevice(AudioBackend& backend) : backend_(backend) {}

PlaybackDevice::~PlaybackDevice() {
  close();
}

bool PlaybackDevice::check(int result) {
  lastResult_ = result;
  return result == 0;
}

bool PlaybackDevice::configure(const WaveFormat& format, std::uint32_t bufferSize) {
  format_.copy(format);
  bufferSize_ = bufferSize;
  buffers_.clear();
  try {
    for (int i = 0; i < bufferCount_; ++i) {
      buffers_.push_back(std::make_unique<AudioBuffer>(bufferSize_));
    }
  } catch (const std::bad_alloc&) {
    // The ring stops at the buffer that could not be made.
  }
  return true;
}

bool PlaybackDevice::open(const WaveFormat& format) {
  if (open_) {
    return false;
  }
  if (!check(backend_.openOutput(format, event_, port_))) {
    port_.reset();
    return false;
  }
  open_ = true;
  return true;
}

bool PlaybackDevice::resetEvent() {
  event_.reset();
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

AudioBuffer* PlaybackDevice::buffer(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= buffers_.size()) {
    return nullptr;
  }
  return buffers_[static_cast<std::size_t>(index)].get();
}

void PlaybackDevice::close() {
  for (auto& buffer : buffers_) {
    unprepare(*buffer);
  }
  if (open_) {
    port_->close();
    port_.reset();
    open_ = false;
  }
}

}  // namespace qp
