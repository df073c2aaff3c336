#include "skins/BuiltInSkin.h"

#include <array>

namespace qp {
namespace {

constexpr int kNameStringId = 125;
constexpr int32_t kGreen = 0x0000FF00;
constexpr int32_t kLightGrey = 0x00C0C0C0;
constexpr int32_t kWhite = 0x00FFFFFF;
constexpr int32_t kYellow = 0x0000FFFF;

const QpSkinGeneral kGeneral = {1, 0, kNameStringId, {}};
const std::array<QpSkinFlags, 2> kFlags = {{{0, 1, 1, 0, 0, 0}, {1, 0, 0, 1, 1, 1}}};
const QpSkinSidePanel kSidePanel = {1, 1, 2, 20, 8, 60, 0, {}};
const QpSkinGraph kGraph = {38, 135, 189, 168, 0, kGreen, kLightGrey, {}};
const std::array<QpSkinListbox, 2> kListbox = {{
    {38, 60, 189, 130, 0, kWhite, kYellow, 0, 14, -11, {}},
    {10, 30, 150, 80, 0, kWhite, kYellow, 0, 14, -11, {}},
}};

// Placeholder layout until the artwork lands: every button of the view on a grid.
bool hasButton(int index, int sv) {
  if (sv == 0) {
    return (index >= 1 && index <= 27) || index == 29 || index == 30;
  }
  return (index >= 1 && index <= 5) || (index >= 10 && index <= 19) || index == 29;
}

QpSkinButton gridButton(int index) {
  const int column = (index - 1) % 10;
  const int row = (index - 1) / 10;
  QpSkinButton button{};
  button.left = 10 + column * 20;
  button.top = 175 + row * 20;
  button.right = button.left + 18;
  button.bottom = button.top + 18;
  button.sampleX = -1;
  return button;
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
const QpSkinBitmap* bitmap(int32_t, int32_t) {
  return nullptr;
}
const QpSkinButton* button(int32_t index, int32_t sv) {
  static std::array<QpSkinButton, 31> buttons = [] {
    std::array<QpSkinButton, 31> all{};
    for (int i = 1; i < 31; ++i) {
      all[static_cast<std::size_t>(i)] = gridButton(i);
    }
    return all;
  }();
  return hasButton(index, sv) ? &buttons[static_cast<std::size_t>(index)] : nullptr;
}
const QpSkinGraph* graph(int32_t sv) {
  return sv != 0 ? nullptr : &kGraph;
}
const QpSkinKnob* knob(int32_t) {
  return nullptr;
}
const QpSkinListbox* listbox(int32_t sv) {
  return &kListbox[sv != 0 ? 1 : 0];
}
const QpSkinTabOrder* tabOrder(int32_t) {
  static const QpSkinTabOrder kEmpty = {nullptr, 0};
  return &kEmpty;
}
const QpSkinText* text(int32_t, int32_t) {
  return nullptr;
}
const QpSkinVUMeter* vuMeter(int32_t) {
  return nullptr;
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
    return e;
  }();
  return kExports;
}

}  // namespace qp
