#include "audio/device/BufferSizing.h"

namespace qp {
namespace {

// Index into the size tables: up to 8000, 12000, 16000, 24000 Hz, and above.
int rateBand(std::uint32_t sampleRate) {
  if (sampleRate <= 8000) {
    return 0;
  }
  if (sampleRate <= 12000) {
    return 1;
  }
  if (sampleRate <= 16000) {
    return 2;
  }
  return sampleRate <= 24000 ? 3 : 4;
}

constexpr std::uint32_t kMainRecorder[5] = {400, 600, 800, 1200, 2048};
constexpr std::uint32_t kQuickRecorder[5] = {1600, 2048, 3200, 4096, 8192};
constexpr std::uint32_t kPlaybackChunk[5] = {800, 1200, 1600, 2400, 4100};

}  // namespace

std::uint32_t BufferSizing::mainRecorderBufferBytes(std::uint32_t sampleRate) {
  return kMainRecorder[rateBand(sampleRate)];
}

std::uint32_t BufferSizing::quickRecorderBufferBytes(std::uint32_t sampleRate) {
  return kQuickRecorder[rateBand(sampleRate)];
}

std::uint32_t BufferSizing::playbackChunkBytes(std::uint32_t sampleRate, std::uint16_t channels) {
  return kPlaybackChunk[rateBand(sampleRate)] * channels;
}

std::uint32_t BufferSizing::playbackBufferBytes(std::uint32_t sampleRate, std::uint16_t channels) {
  return 2 * playbackChunkBytes(sampleRate, channels);
}

}  // namespace qp
