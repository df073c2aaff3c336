#pragma once

#include <cstdint>
#include <string>

#include "common/StringTable.h"

namespace qp {

// Quantities derived from a note's format and data size, and the recording quality presets.
// The texts are those of strings (the process's table unless a caller gives another).
struct NoteMetrics {
  // Settings value "Quality" 0, 1, 2 -> 8000, 11025, 22050 Hz; any other value counts as 2.
  static int clampQuality(int quality);
  static std::uint32_t qualitySampleRate(int quality);

  // fraction (0.0 = start, 1.0 = end) x dataSize, truncated, then down to a multiple of 4.
  // Fractions outside 0..1 are held to that range.
  static std::uint32_t byteOffsetOfFraction(double fraction, std::uint32_t dataSize);

  // Seconds of a 16-bit note: dataSize / (rate x 2) / channels; 0 for a broken format.
  static double durationSeconds(std::uint32_t dataSize, std::uint32_t rate, std::uint16_t channels);
  // "%.1f seconds", "1 minute %.1f seconds" or "%i minutes %.1f seconds".
  static std::string lengthText(double seconds, const StringTable& strings = StringTable::active());

  // "Low" up to 8000 Hz, "Medium" up to 11025 Hz, "High" above.
  static std::string qualityLabel(std::uint32_t sampleRate,
                                  const StringTable& strings = StringTable::active());
  // Label of a preset (the same three words).
  static std::string qualityPresetLabel(int quality,
                                        const StringTable& strings = StringTable::active());

  // Bytes that 10 minutes at a preset take: rate x 1200.
  static std::uint64_t tenMinuteBytes(int quality);
  // The disk-use sentence of a preset: its label and tenMinuteBytes in MB (10^6 bytes, one
  // decimal), e.g. 26.5 MB for "High".
  static std::string diskSpaceText(int quality, const StringTable& strings = StringTable::active());
};

}  // namespace qp
