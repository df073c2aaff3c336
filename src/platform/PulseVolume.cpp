#include "platform/PulseVolume.h"

#include <algorithm>

#include "devices/MixerTypes.h"

namespace qp {
namespace {

constexpr std::uint64_t kMixerFull = kMixerVolumeMax;
constexpr std::uint64_t kServerFull = PA_VOLUME_NORM;

}  // namespace

std::uint32_t PulseVolume::toMixer(pa_volume_t volume) {
  const std::uint64_t clamped = std::min<std::uint64_t>(volume, kServerFull);
  return static_cast<std::uint32_t>((clamped * kMixerFull + kServerFull / 2) / kServerFull);
}

pa_volume_t PulseVolume::fromMixer(std::uint32_t value) {
  const std::uint64_t clamped = std::min<std::uint64_t>(value, kMixerFull);
  return static_cast<pa_volume_t>((clamped * kServerFull + kMixerFull / 2) / kMixerFull);
}

}  // namespace qp
