#pragma once

#include <cstdint>

#include "export/Guid.h"

namespace qp {

// The two WMA profiles the program knows, by identifier, and what they mean for the encoder
// (WMA version 2 in an ASF file; channels and sample rate follow the source).
struct WmaProfiles {
  // The profile of the export-format list: speech, 32 kbit/s.
  static Guid exportProfile();
  // The converter's profile before the list sets one: 64 kbit/s.
  static Guid initialProfile();

  static constexpr std::uint32_t kSpeechBitRate = 32000;  // bit/s
  static constexpr std::uint32_t kHigherBitRate = 64000;  // bit/s

  // The bit rate a profile selects; an unknown profile gets the higher rate.
  static std::uint32_t bitRateOf(const Guid& profile);
};

}  // namespace qp
