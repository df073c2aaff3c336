#include "audio/device/SoundDevice.h"

#include <new>

namespace qp {

bool SoundDevice::check(int result) {
  lastResult_ = result;
  return result == 0;
}

bool SoundDevice::buildRing() {
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

bool SoundDevice::configure(const WaveFormat& format, std::uint32_t bufferSize) {
  format_.copy(format);
  bufferSize_ = bufferSize;
  buildRing();
  return true;
}

AudioBuffer* SoundDevice::buffer(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= buffers_.size()) {
    return nullptr;
  }
  return buffers_[static_cast<std::size_t>(index)].get();
}

}  // namespace qp
