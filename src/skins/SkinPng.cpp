#include "skins/SkinPng.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace qp {
namespace {

constexpr std::array<unsigned char, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Signature, chunk length (4), chunk type "IHDR" (4), width (4), height (4).
constexpr std::size_t kHeaderBytes = 24;

std::uint32_t bigEndian32(const unsigned char* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
         std::uint32_t{p[3]};
}

bool saneSide(std::uint32_t side) {
  return side >= 1 && side <= static_cast<std::uint32_t>(kMaxSkinImageSide);
}

}  // namespace

std::optional<PngSize> pngSize(const unsigned char* data, std::size_t size) {
  if (data == nullptr || size < kHeaderBytes) {
    return std::nullopt;
  }
  if (std::memcmp(data, kSignature.data(), kSignature.size()) != 0 ||
      std::memcmp(data + 12, "IHDR", 4) != 0 || bigEndian32(data + 8) != 13) {
    return std::nullopt;
  }
  const std::uint32_t width = bigEndian32(data + 16);
  const std::uint32_t height = bigEndian32(data + 20);
  if (!saneSide(width) || !saneSide(height)) {
    return std::nullopt;
  }
  return PngSize{static_cast<int>(width), static_cast<int>(height)};
}

}  // namespace qp
