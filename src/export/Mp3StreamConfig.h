#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace qp {

// The encoder library's configuration record handed to beInitStream: 331 bytes with no
// padding, little-endian; bytes not covered by a field below are 0. Fields in record order.
struct Mp3StreamConfig {
  static constexpr std::size_t kBytes = 331;
  static constexpr std::uint32_t kKindLame = 256;
  static constexpr std::int32_t kModeJointStereo = 1;
  static constexpr std::int32_t kModeMono = 3;
  static constexpr std::uint32_t kBitRateKbps = 32;

  std::uint32_t kind = kKindLame;        // offset 0
  std::uint32_t version = 1;             // 4
  std::uint32_t size = kBytes;           // 8
  std::uint32_t sampleRate = 0;          // 12, Hz
  std::uint32_t resampleRate = 0;        // 16, Hz; 0 = none
  std::int32_t mode = kModeMono;         // 20
  std::uint32_t bitRate = kBitRateKbps;  // 24, kbit/s
  std::uint32_t maxBitRate = 0;          // 28
  std::int32_t preset = 0;               // 32
  std::uint32_t mpegVersion = 1;         // 36
  std::uint32_t psychoModel = 0;         // 40
  std::uint32_t emphasis = 0;            // 44
  std::uint32_t privateBit = 0;          // 48
  std::uint32_t crc = 0;                 // 52
  std::uint32_t copyright = 0;           // 56
  std::uint32_t original = 1;            // 60
  std::uint32_t writeVbrHeader = 1;      // 64
  std::uint32_t enableVbr = 0;           // 68
  std::int32_t vbrQuality = 0;           // 72
  std::uint32_t abrBitRate = 0;          // 76
  std::int32_t vbrMethod = 0;            // 80
  std::uint32_t noReservoir = 1;         // 84
  std::uint32_t strictIso = 0;           // 88
  std::uint16_t quality = 0;             // 92; bytes 94 to 330 are reserved

  // The record for a note: its sample rate, mono (1 channel) or joint stereo (2).
  static Mp3StreamConfig forNote(std::uint32_t sampleRate, std::uint16_t channels);

  std::array<std::uint8_t, kBytes> toBytes() const;
  // Reads a record; nothing when the kind is not kKindLame or the size field is below the
  // named fields' extent (94 bytes).
  static std::optional<Mp3StreamConfig> fromBytes(const std::uint8_t* bytes);
};

}  // namespace qp
