#pragma once

#include <cstddef>
#include <optional>

namespace qp {

// Width and height of a PNG image in pixels.
struct PngSize {
  int width = 0;
  int height = 0;
};

// Sides above this many pixels are not believed (a skin's images are window-sized at most).
inline constexpr int kMaxSkinImageSide = 8192;

// The size a PNG declares in its header chunk: the 8-byte signature, then IHDR with width and
// height (big-endian) each from 1 to kMaxSkinImageSide. Reads at most the first 24 bytes of
// data; nothing when the bytes are shorter, not a PNG, or the sizes are not sane. Does not
// decode the image.
std::optional<PngSize> pngSize(const unsigned char* data, std::size_t size);

}  // namespace qp
