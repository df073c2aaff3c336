#pragma once

// Bitmap ids of the built-in skin's artwork. The window's resources hold each one as a PNG at
// 1x and 2x (ui/skin/BuiltInSkinImages maps the ids to them); sizes are in logical pixels.
namespace qp::BuiltInBitmaps {

inline constexpr int kBackground = 133;       // standard view, 207 x 248
inline constexpr int kSidePanelOpen = 154;    // 76 x 170
inline constexpr int kSidePanelClosed = 337;  // 16 x 170
inline constexpr int kSmallBackground = 341;  // small view, 214 x 100
inline constexpr int kIcon = 342;             // 16 x 16

// Button faces, five per size: normal, focused, toggled, pressed, disabled (first id + 0..4).
inline constexpr int kSmallFaces = 400;      // 16 x 16, rounded square
inline constexpr int kTransportFaces = 410;  // 22 x 22, rounded square
inline constexpr int kRecordFaces = 420;     // 26 x 26, round
inline constexpr int kFaceCount = 5;

// Glyphs: kGlyphBase + the skin button index (1 .. 30) they belong to.
inline constexpr int kGlyphBase = 500;

inline constexpr int kKnobTrack = 430;         // 64 x 14
inline constexpr int kKnobThumb = 431;         // 10 x 14
inline constexpr int kKnobThumbFocused = 432;  // 10 x 14
inline constexpr int kMeterOff = 440;          // 70 x 8, 14 segments
inline constexpr int kMeterOn = 441;
inline constexpr int kVolumeFrames = 450;  // 12 frames of 18 x 18 side by side
inline constexpr int kVolumePositions = 12;
inline constexpr int kMeterSegments = 14;

// Sound resources played when the side panel opens and closes.
inline constexpr int kPanelOpenSound = 338;
inline constexpr int kPanelCloseSound = 339;

}  // namespace qp::BuiltInBitmaps
