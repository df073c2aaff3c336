#pragma once

#include <cstdint>
#include <vector>

namespace qp {

// The two short sounds of the built-in skin's side panel, made in code: a soft chirp that
// rises when the panel opens (id 338) and falls when it closes (id 339). Each is a complete
// WAV file in memory: 22050 Hz, 16-bit mono PCM, 90 ms, a raised-cosine envelope, peak at a
// quarter of full scale.
class PanelSounds {
 public:
  static constexpr int kOpenId = 338;
  static constexpr int kCloseId = 339;
  static constexpr int kSampleRate = 22050;
  static constexpr int kDurationMs = 90;

  // The WAV bytes of a sound id; empty for an id that is neither.
  static std::vector<std::uint8_t> wav(int soundId);
  // The samples alone: a sweep from startHz to endHz.
  static std::vector<std::int16_t> chirp(double startHz, double endHz);
};

}  // namespace qp
