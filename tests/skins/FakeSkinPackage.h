#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "skins/SkinExports.h"

namespace qp::test {

// A skin package in memory for the checks of the skin layer: the records and images a test
// puts here are what its entry points hand out. One package per process (the entry points are
// plain functions); reset() empties it.
struct FakeSkinPackage {
  QpSkinGeneral general{1, 0, 125, {}};
  QpSkinFlags flags{};
  const QpSkinSidePanel* sidePanel = nullptr;
  std::map<int32_t, const QpSkinBitmap*> bitmaps;
  std::map<int32_t, const QpSkinButton*> buttons;
  QpSkinListbox listbox{10, 10, 100, 100, 0, 0, 0, 0, 14, -11, {}};
  QpSkinTabOrder tabOrder{nullptr, 0};
  std::map<int32_t, std::vector<unsigned char>> images;
  int32_t version = kSkinInterfaceVersion;

  static FakeSkinPackage& instance();
  void reset() { *this = FakeSkinPackage(); }
  // Every entry point, all present.
  static SkinExports exports();
};

// The bytes of a PNG's signature and header chunk declaring width x height (no image data:
// enough for the size check, which never decodes).
std::vector<unsigned char> pngHeader(uint32_t width, uint32_t height);

}  // namespace qp::test
