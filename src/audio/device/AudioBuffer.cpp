#include "audio/device/AudioBuffer.h"

#include <algorithm>

namespace qp {

AudioBuffer::AudioBuffer(std::uint32_t sizeBytes)
    : data_(std::make_unique<std::uint8_t[]>(sizeBytes)),
      capacity_(sizeBytes),
      length_(sizeBytes) {}

void AudioBuffer::setLength(std::uint32_t length) {
  length_ = std::min(length, capacity_);
}

}  // namespace qp
