#pragma once

#include <pulse/volume.h>

#include <cstdint>

namespace qp {

// Volumes between the mixer's scale (0 .. 65535, full at 65535) and the sound server's
// (PA_VOLUME_MUTED .. PA_VOLUME_NORM, 0 .. 65536, which the desktop shows as 0 .. 100 %).
// Both are linear in the same way, so a value survives the round trip unchanged; server
// volumes above 100 % read as full scale.
struct PulseVolume {
  static std::uint32_t toMixer(pa_volume_t volume);
  static pa_volume_t fromMixer(std::uint32_t value);
};

}  // namespace qp
