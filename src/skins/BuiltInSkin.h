#pragma once

#include "skins/SkinExports.h"

namespace qp {

// The skin compiled into the program, "Default (black)": its records as constant tables for
// the standard and the small view. It has no images of its own here: the window's resources
// supply them by bitmap id (getSkinImage is null).
const SkinExports& builtInSkinExports();

// Bitmap ids of the built-in skin's artwork.
namespace BuiltInBitmap {
inline constexpr int kBackground = 133;
inline constexpr int kSidePanelOpen = 154;
inline constexpr int kSidePanelClosed = 337;
}  // namespace BuiltInBitmap

}  // namespace qp
