#pragma once

#include <cstdint>

namespace qp {

// Buffer sizes chosen by the recorders and the player for a mono 16-bit stream at a rate.
struct BufferSizing {
  static constexpr int kMainRecorderBuffers = 8;
  static constexpr int kQuickRecorderBuffers = 4;
  static constexpr int kPlaybackBuffers = 4;

  // Bytes per capture buffer of the main window's recorder (8 buffers).
  static std::uint32_t mainRecorderBufferBytes(std::uint32_t sampleRate);
  // Bytes per capture buffer of the tray quick recorder (4 buffers).
  static std::uint32_t quickRecorderBufferBytes(std::uint32_t sampleRate);
  // Bytes the player reads from a note per device buffer: per channel by rate, x channels.
  static std::uint32_t playbackChunkBytes(std::uint32_t sampleRate, std::uint16_t channels);
  // Device buffer size of the player: twice the chunk, room for slowed-down output.
  static std::uint32_t playbackBufferBytes(std::uint32_t sampleRate, std::uint16_t channels);
};

}  // namespace qp
