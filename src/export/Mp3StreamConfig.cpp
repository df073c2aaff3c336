#include "export/Mp3StreamConfig.h"

#include "common/LittleEndian.h"

namespace qp {
namespace {

constexpr std::size_t kNamedFieldBytes = 94;

// Visits the fields in record order; every field is 32 bits wide except the last (16).
template <typename Config, typename Visit>
void eachField(Config& f, Visit&& visit) {
  visit(f.kind, f.version, f.size, f.sampleRate, f.resampleRate, f.mode, f.bitRate, f.maxBitRate,
        f.preset, f.mpegVersion, f.psychoModel, f.emphasis, f.privateBit, f.crc, f.copyright,
        f.original, f.writeVbrHeader, f.enableVbr, f.vbrQuality, f.abrBitRate, f.vbrMethod,
        f.noReservoir, f.strictIso);
}

constexpr std::size_t kQualityOffset = 92;

}  // namespace

Mp3StreamConfig Mp3StreamConfig::forNote(std::uint32_t sampleRate, std::uint16_t channels) {
  Mp3StreamConfig config;
  config.sampleRate = sampleRate;
  config.mode = channels == 2 ? kModeJointStereo : kModeMono;
  return config;
}

std::array<std::uint8_t, Mp3StreamConfig::kBytes> Mp3StreamConfig::toBytes() const {
  std::array<std::uint8_t, kBytes> out{};
  std::size_t offset = 0;
  eachField(*this, [&](const auto&... fields) {
    ((putLe32(out.data() + offset, static_cast<std::uint32_t>(fields)), offset += 4), ...);
  });
  putLe16(out.data() + kQualityOffset, quality);
  return out;
}

std::optional<Mp3StreamConfig> Mp3StreamConfig::fromBytes(const std::uint8_t* bytes) {
  Mp3StreamConfig config;
  std::size_t offset = 0;
  eachField(config, [&](auto&... fields) {
    ((fields = static_cast<std::remove_reference_t<decltype(fields)>>(getLe32(bytes + offset)),
      offset += 4),
     ...);
  });
  config.quality = getLe16(bytes + kQualityOffset);
  if (config.kind != kKindLame || config.size < kNamedFieldBytes) {
    return std::nullopt;
  }
  return config;
}

}  // namespace qp
