#pragma once

namespace qp::SkinExportName {

// The symbol names a skin package exports (C linkage), as the loader looks them up.
inline constexpr const char* kGetSkinVersion = "GetSkinVersion";
inline constexpr const char* kGetGeneral = "GetGeneral";
inline constexpr const char* kGetSkin = "GetSkin";
inline constexpr const char* kGetAdvancedCtrls = "GetAdvancedCtrls";
inline constexpr const char* kGetBitmap = "GetBitmap";
inline constexpr const char* kGetButton = "GetButton";
inline constexpr const char* kGetGraph = "GetGraph";
inline constexpr const char* kGetKnob = "GetKnob";
inline constexpr const char* kGetListbox = "GetListbox";
inline constexpr const char* kGetTabOrder = "GetTabOrder";
inline constexpr const char* kGetText = "GetText";
inline constexpr const char* kGetVUMeter = "GetVUMeter";
inline constexpr const char* kGetEffects = "GetEffects";
inline constexpr const char* kGetVolume = "GetVolume";
inline constexpr const char* kNotify = "Notify";
inline constexpr const char* kGetSkinImage = "GetSkinImage";

}  // namespace qp::SkinExportName
