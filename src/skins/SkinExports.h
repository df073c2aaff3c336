#pragma once

#include <cstdint>

#include "skins/SkinRecords.h"

// The functions a skin package exports (C linkage, looked up by these names) and the table
// the program keeps of them. "sv" is 1 while the main window shows its small view.
extern "C" {
typedef int32_t (*QpGetSkinVersion)();
typedef const QpSkinGeneral* (*QpGetGeneral)();
typedef const QpSkinFlags* (*QpGetSkin)(int32_t sv);
typedef const QpSkinSidePanel* (*QpGetAdvancedCtrls)(int32_t sv);
typedef const QpSkinBitmap* (*QpGetBitmap)(int32_t index, int32_t sv);
typedef const QpSkinButton* (*QpGetButton)(int32_t index, int32_t sv);
typedef const QpSkinGraph* (*QpGetGraph)(int32_t sv);
typedef const QpSkinKnob* (*QpGetKnob)(int32_t sv);
typedef const QpSkinListbox* (*QpGetListbox)(int32_t sv);
typedef const QpSkinTabOrder* (*QpGetTabOrder)(int32_t sv);
typedef const QpSkinText* (*QpGetText)(int32_t index, int32_t sv);
typedef const QpSkinVUMeter* (*QpGetVUMeter)(int32_t sv);
typedef const QpSkinEffects* (*QpGetEffects)(int32_t sv);
typedef const QpSkinVolume* (*QpGetVolume)();
typedef int32_t (*QpNotify)(int32_t event, intptr_t a, intptr_t b, intptr_t c, int32_t sv);
// The image of a bitmap id as PNG bytes; 0 and no bytes when the package has none.
typedef int32_t (*QpGetSkinImage)(int32_t id, int32_t sv, const unsigned char** data,
                                  uint32_t* size);
}

namespace qp {

// Entry points of one skin; a missing optional export is null.
struct SkinExports {
  QpGetSkinVersion getSkinVersion = nullptr;
  QpGetGeneral getGeneral = nullptr;
  QpGetSkin getSkin = nullptr;
  QpGetAdvancedCtrls getAdvancedCtrls = nullptr;
  QpGetBitmap getBitmap = nullptr;
  QpGetButton getButton = nullptr;
  QpGetGraph getGraph = nullptr;
  QpGetKnob getKnob = nullptr;
  QpGetListbox getListbox = nullptr;
  QpGetTabOrder getTabOrder = nullptr;
  QpGetText getText = nullptr;
  QpGetVUMeter getVUMeter = nullptr;
  QpGetEffects getEffects = nullptr;  // optional
  QpGetVolume getVolume = nullptr;    // optional
  QpNotify notify = nullptr;          // optional
  QpGetSkinImage getSkinImage = nullptr;
};

// The only interface version the program accepts.
inline constexpr int32_t kSkinInterfaceVersion = 2;

}  // namespace qp
