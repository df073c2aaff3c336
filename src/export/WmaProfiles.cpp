#include "export/WmaProfiles.h"

namespace qp {

Guid WmaProfiles::exportProfile() {
  return {0xC012A833, 0xA03B, 0x44A5, {0x96, 0xDC, 0xED, 0x95, 0xCC, 0x65, 0x58, 0x2D}};
}

Guid WmaProfiles::initialProfile() {
  return {0x0F4BE81F, 0xD57D, 0x41E1, {0xB2, 0xE3, 0x2F, 0xAD, 0x98, 0x6B, 0xFE, 0xC2}};
}

std::uint32_t WmaProfiles::bitRateOf(const Guid& profile) {
  return profile == exportProfile() ? kSpeechBitRate : kHigherBitRate;
}

}  // namespace qp
