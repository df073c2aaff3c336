#pragma once

#include <cstdint>
#include <vector>

#include "audio/wave/WaveFormat.h"

namespace qp {

// The alarm tone played before a note: a short two-note chime (about 0.7 s), mono 16-bit at
// 22050 Hz, made in code.
struct AlarmTone {
  static WaveFormat format();
  // The tone's samples as little-endian 16-bit bytes.
  static const std::vector<std::uint8_t>& bytes();
};

}  // namespace qp
