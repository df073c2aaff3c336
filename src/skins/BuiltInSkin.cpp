#include "skins/BuiltInSkin.h"

#include <array>
#include <cmath>
#include <numbers>

#include "skins/BuiltInBitmaps.h"

namespace qp {
namespace {

namespace ids = BuiltInBitmaps;

constexpr int kNameStringId = 125;
constexpr int32_t kGreen = 0x0000FF00;
constexpr int32_t kLightGrey = 0x00C0C0C0;
constexpr int32_t kWhite = 0x00FFFFFF;
constexpr int32_t kYellow = 0x0000FFFF;
constexpr int32_t kPaleBlue = 0x00F0D8B0;
constexpr int32_t kDimGrey = 0x00A09890;

constexpr int kStandardWidth = 207;
constexpr int kStandardHeight = 248;
constexpr int kSmallWidth = 214;
constexpr int kSmallHeight = 100;
// The artwork's window outline: a rectangle with rounded corners of this radius, pixels.
constexpr double kCornerRadius = 14.0;
constexpr int kPointsPerCorner = 10;
constexpr int kPolygonPoints = 4 * kPointsPerCorner;

const QpSkinGeneral kGeneral = {1, 0, kNameStringId, {}};
const std::array<QpSkinFlags, 2> kFlags = {{{0, 1, 1, 0, 0, 0}, {1, 0, 0, 1, 1, 1}}};
const QpSkinSidePanel kSidePanel = {1, 1, 2, 20, 8, 60, 0, {}};
const QpSkinGraph kGraph = {38, 135, 189, 168, 0, kGreen, kLightGrey, {}};
const std::array<QpSkinListbox, 2> kListbox = {{
    {38, 56, 189, 130, 0, kWhite, kYellow, 0, 14, -11, {}},
    {10, 26, 186, 68, 0, kWhite, kYellow, 0, 14, -11, {}},
}};
const std::array<QpSkinVUMeter, 2> kMeter = {{
    {100, 229, 170, 237, ids::kMeterOff, ids::kMeterOn, ids::kMeterSegments, 0, {}},
    {134, 83, 204, 91, ids::kMeterOff, ids::kMeterOn, ids::kMeterSegments, 0, {}},
}};
const QpSkinEffects kEffects = {{}, 1 | 2, {}};
const QpSkinVolume kVolume = {180, 222, 198, 240, ids::kVolumeFrames, ids::kVolumePositions, 0, {}};
const QpSkinKnob kKnob = {
    214, 150, 278, 164, ids::kKnobTrack, ids::kKnobThumb, ids::kKnobThumbFocused, 0, 0};

// Texts: 1 folder name, 2 and 3 status, 4 to 6 side panel labels (heading, "Speed",
// "Playback"). Font height -11 (pixels); alignment 0 left, 1 centred.
constexpr QpSkinText text(int left, int top, int right, int bottom, int32_t colour, int alignment) {
  return {left, top, right, bottom, colour, -1, 0, 0, -11, 400, alignment, 0};
}
const std::array<QpSkinText, 6> kStandardTexts = {{
    text(32, 34, 172, 48, kPaleBlue, 1),
    text(38, 171, 120, 183, kWhite, 0),
    text(120, 171, 189, 183, kDimGrey, 0),
    text(214, 44, 278, 56, kPaleBlue, 1),
    text(214, 136, 278, 148, kDimGrey, 1),
    text(214, 166, 278, 178, kDimGrey, 1),
}};
const std::array<QpSkinText, 3> kSmallTexts = {{
    text(28, 7, 116, 19, kPaleBlue, 0),
    text(10, 28, 186, 42, kWhite, 0),
    text(10, 46, 186, 60, kDimGrey, 0),
}};

const std::array<int32_t, 28> kStandardTabs = {12, 13, 14, 18, 19, 24, 25, 15, 17, 6, 7, 11, 10, 9,
                                               8,  26, 20, 21, 22, 23, 16, 30, 27, 2, 1, 3,  4,  5};
const std::array<int32_t, 15> kSmallTabs = {12, 13, 14, 29, 19, 15, 17, 16, 11, 10, 2, 1, 3, 4, 5};

// One button: flags, top-left corner, face set, tooltip string. The button takes the size of
// its faces; its glyph is the one drawn for its index.
struct Place {
  int index;
  int32_t flags;
  int left;
  int top;
  int faces;
  int tooltip;
};

constexpr int32_t kIdle = QP_BUTTON_IDLE_ONLY;
constexpr int32_t kBusy = QP_BUTTON_RECORDING_ONLY | QP_BUTTON_PLAYING_ONLY;
constexpr int32_t kHidden = QP_BUTTON_HIDDEN;
constexpr int kS = ids::kSmallFaces;
constexpr int kT = ids::kTransportFaces;
constexpr int kR = ids::kRecordFaces;

const std::array<Place, 29> kStandardPlaces = {{
    {1, 0, 112, 8, kS, 38},
    {2, kIdle, 130, 8, kS, 37},
    {3, kIdle, 148, 8, kS, 36},
    {4, 0, 166, 8, kS, 35},
    {5, 0, 184, 8, kS, 19},
    {6, QP_BUTTON_FOCUS_RECT, 12, 33, kS, 25},
    {7, QP_BUTTON_FOCUS_RECT, 176, 33, kS, 24},
    {8, 0, 14, 114, kS, 29},
    {9, 0, 14, 60, kS, 31},
    {10, 0, 14, 96, kS, 30},
    {11, 0, 14, 78, kS, 32},
    {12, 0, 12, 188, kR, 11},
    {13, kIdle, 44, 190, kT, 12},
    {14, kIdle, 70, 190, kT, 13},
    {15, kIdle, 148, 190, kT, 16},
    {16, kIdle, 220, 110, kT, 67},
    {17, QP_BUTTON_PLAYING_ONLY, 148, 190, kT, 39},
    {18, kBusy, 44, 190, kT, 15},
    {19, kBusy, 70, 190, kT, 17},
    {20, kIdle, 220, 58, kT, 64},
    {21, kIdle, 248, 58, kT, 65},
    {22, kIdle, 220, 84, kT, 66},
    {23, 0, 248, 84, kT, 63},
    {24, 0, 96, 190, kT, 61},
    {25, 0, 122, 190, kT, 62},
    {26, 0, 207, 117, kS, 26},
    {27, 0, 262, 188, kS, 27},
    {29, kHidden, 44, 190, kT, 15},
    {30, QP_BUTTON_RECORDING_ONLY, 248, 110, kT, 170},
}};

const std::array<Place, 16> kSmallPlaces = {{
    {1, 0, 120, 6, kS, 38},
    {2, kIdle, 138, 6, kS, 37},
    {3, kIdle, 156, 6, kS, 54},
    {4, 0, 174, 6, kS, 35},
    {5, 0, 192, 6, kS, 19},
    {10, 0, 190, 50, kS, 30},
    {11, 0, 190, 28, kS, 32},
    {12, 0, 10, 72, kR, 11},
    {13, kIdle, 42, 74, kT, 12},
    {14, kIdle, 42, 74, kT, 13},
    {15, kIdle, 66, 74, kT, 16},
    {16, kIdle, 90, 74, kT, 67},
    {17, QP_BUTTON_PLAYING_ONLY, 90, 74, kT, 39},
    {18, kHidden, 42, 74, kT, 15},
    {19, kBusy, 66, 74, kT, 17},
    {29, kBusy, 42, 74, kT, 15},
}};

int faceSize(int faces) {
  if (faces == kR) {
    return 26;
  }
  return faces == kT ? 22 : 16;
}

QpSkinButton buttonOf(const Place& place) {
  const int size = faceSize(place.faces);
  QpSkinButton b{};
  b.flags = place.flags;
  b.left = place.left;
  b.top = place.top;
  b.right = place.left + size;
  b.bottom = place.top + size;
  b.normalId = place.faces;
  b.focusedId = place.faces + 1;
  b.toggledId = place.faces + 2;
  b.pressedId = place.faces + 3;
  b.disabledId = place.faces + 4;
  // Faces and glyphs are transparent around their shape; their top-left pixel is.
  b.glyphId = ids::kGlyphBase + place.index;
  b.regionFromBitmap = place.faces == kR ? 1 : 0;
  b.tooltipStringId = place.tooltip;
  return b;
}

template <std::size_t N>
std::array<QpSkinButton, 31> buttonTable(const std::array<Place, N>& places) {
  std::array<QpSkinButton, 31> table{};
  for (const Place& place : places) {
    table.at(static_cast<std::size_t>(place.index)) = buttonOf(place);
  }
  return table;
}

template <std::size_t N>
bool hasPlace(const std::array<Place, N>& places, int index) {
  for (const Place& place : places) {
    if (place.index == index) {
      return true;
    }
  }
  return false;
}

// The outline of a width x height window with rounded corners, clockwise from the top left.
std::array<QpSkinPoint, kPolygonPoints> roundedOutline(int width, int height) {
  std::array<QpSkinPoint, kPolygonPoints> points{};
  const std::array<double, 4> centreX = {kCornerRadius, width - kCornerRadius,
                                         width - kCornerRadius, kCornerRadius};
  const std::array<double, 4> centreY = {kCornerRadius, kCornerRadius, height - kCornerRadius,
                                         height - kCornerRadius};
  std::size_t n = 0;
  for (std::size_t corner = 0; corner < 4; ++corner) {
    const double start = std::numbers::pi * (1.0 + 0.5 * static_cast<double>(corner));
    for (int step = 0; step < kPointsPerCorner; ++step) {
      const double angle = start + (std::numbers::pi / 2) * step / (kPointsPerCorner - 1);
      points.at(n).x =
          static_cast<int32_t>(std::lround(centreX.at(corner) + kCornerRadius * std::cos(angle)));
      points.at(n).y =
          static_cast<int32_t>(std::lround(centreY.at(corner) + kCornerRadius * std::sin(angle)));
      ++n;
    }
  }
  return points;
}

const std::array<QpSkinPoint, kPolygonPoints>& standardOutline() {
  static const auto kOutline = roundedOutline(kStandardWidth, kStandardHeight);
  return kOutline;
}
const std::array<QpSkinPoint, kPolygonPoints>& smallOutline() {
  static const auto kOutline = roundedOutline(kSmallWidth, kSmallHeight);
  return kOutline;
}

int32_t version() {
  return kSkinInterfaceVersion;
}
const QpSkinGeneral* general() {
  return &kGeneral;
}
const QpSkinFlags* flags(int32_t sv) {
  return &kFlags[sv != 0 ? 1 : 0];
}
const QpSkinSidePanel* sidePanel(int32_t sv) {
  return sv != 0 ? nullptr : &kSidePanel;
}

const QpSkinBitmap* standardBitmap(int32_t index) {
  static const QpSkinBitmap kBackground = {
      ids::kBackground, 0, 0, kStandardWidth, kStandardHeight, 0, 0, 0, standardOutline().data(),
      kPolygonPoints};
  static const QpSkinBitmap kClosed = {
      ids::kSidePanelClosed, 207, 40, 16, 170, 0, 0, 0, nullptr, 0};
  static const QpSkinBitmap kOpen = {ids::kSidePanelOpen, 207, 40, 76, 170, 0, 0, 0, nullptr, 0};
  static const QpSkinBitmap kIcon = {ids::kIcon, 10, 8, 16, 16, 0, 0, 0, nullptr, 0};
  switch (index) {
    case 1:
      return &kBackground;
    case 2:
      return &kClosed;
    case 3:
      return &kOpen;
    case 6:
      return &kIcon;
    default:
      return nullptr;
  }
}

const QpSkinBitmap* smallBitmap(int32_t index) {
  static const QpSkinBitmap kBackground = {
      ids::kSmallBackground, 0, 0, kSmallWidth, kSmallHeight, 0, 0, 0, smallOutline().data(),
      kPolygonPoints};
  static const QpSkinBitmap kIcon = {ids::kIcon, 8, 5, 16, 16, 0, 0, 0, nullptr, 0};
  switch (index) {
    case 1:
      return &kBackground;
    case 6:
      return &kIcon;
    default:
      return nullptr;
  }
}

const QpSkinBitmap* bitmap(int32_t index, int32_t sv) {
  return sv != 0 ? smallBitmap(index) : standardBitmap(index);
}

const QpSkinButton* button(int32_t index, int32_t sv) {
  static const auto kStandard = buttonTable(kStandardPlaces);
  static const auto kSmall = buttonTable(kSmallPlaces);
  if (sv != 0) {
    return hasPlace(kSmallPlaces, index) ? &kSmall.at(static_cast<std::size_t>(index)) : nullptr;
  }
  return hasPlace(kStandardPlaces, index) ? &kStandard.at(static_cast<std::size_t>(index))
                                          : nullptr;
}
const QpSkinGraph* graph(int32_t sv) {
  return sv != 0 ? nullptr : &kGraph;
}
const QpSkinKnob* knob(int32_t sv) {
  return sv != 0 ? nullptr : &kKnob;
}
const QpSkinListbox* listbox(int32_t sv) {
  return &kListbox[sv != 0 ? 1 : 0];
}
const QpSkinTabOrder* tabOrder(int32_t sv) {
  static const QpSkinTabOrder kStandard = {kStandardTabs.data(), kStandardTabs.size()};
  static const QpSkinTabOrder kSmall = {kSmallTabs.data(), kSmallTabs.size()};
  return sv != 0 ? &kSmall : &kStandard;
}
const QpSkinText* text(int32_t index, int32_t sv) {
  const auto at = static_cast<std::size_t>(index - 1);
  if (sv != 0) {
    return index >= 1 && at < kSmallTexts.size() ? &kSmallTexts.at(at) : nullptr;
  }
  return index >= 1 && at < kStandardTexts.size() ? &kStandardTexts.at(at) : nullptr;
}
const QpSkinVUMeter* vuMeter(int32_t sv) {
  return &kMeter[sv != 0 ? 1 : 0];
}
const QpSkinEffects* effects(int32_t) {
  return &kEffects;
}
const QpSkinVolume* volume() {
  return &kVolume;
}

}  // namespace

const SkinExports& builtInSkinExports() {
  static const SkinExports kExports = [] {
    SkinExports e;
    e.getSkinVersion = version;
    e.getGeneral = general;
    e.getSkin = flags;
    e.getAdvancedCtrls = sidePanel;
    e.getBitmap = bitmap;
    e.getButton = button;
    e.getGraph = graph;
    e.getKnob = knob;
    e.getListbox = listbox;
    e.getTabOrder = tabOrder;
    e.getText = text;
    e.getVUMeter = vuMeter;
    e.getEffects = effects;
    e.getVolume = volume;
    return e;
  }();
  return kExports;
}

}  // namespace qp
