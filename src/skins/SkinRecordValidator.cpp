#include "skins/SkinRecordValidator.h"

#include <array>

namespace qp {
namespace {

std::string text(std::int64_t value) {
  return std::to_string(value);
}

std::string rectText(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return text(left) + "," + text(top) + "-" + text(right) + "," + text(bottom);
}

// The side panel's opening offset when it is a plausible growth of the window, else 0.
int panelGrowth(int32_t offset) {
  return offset > 0 && offset <= SkinRecordValidator::kUnknownWindowSide ? offset : 0;
}

std::string stepsProblem(int32_t steps, const char* what) {
  if (steps < 1 || steps > SkinRecordValidator::kMaxSteps) {
    return std::string(what) + " " + text(steps) + " is not between 1 and " +
           text(SkinRecordValidator::kMaxSteps);
  }
  return {};
}

}  // namespace

SkinRecordValidator::SkinRecordValidator(const SkinExports& exports, int32_t sv)
    : exports_(exports), sv_(sv) {
  measureWindow();
}

void SkinRecordValidator::measureWindow() {
  const QpSkinBitmap* background = exports_.getBitmap ? exports_.getBitmap(1, sv_) : nullptr;
  const std::optional<PngSize> size = background ? imageSize(background->bitmapId) : std::nullopt;
  if (!size) {
    return;
  }
  windowWidth_ = size->width;
  windowHeight_ = size->height;
  const QpSkinSidePanel* panel =
      exports_.getAdvancedCtrls ? exports_.getAdvancedCtrls(sv_) : nullptr;
  if (panel != nullptr && panel->exists != 0) {
    windowWidth_ += panelGrowth(panel->openOffsetX);
    windowHeight_ += panelGrowth(panel->openOffsetY);
  }
}

SkinRecordValidator::ImageResult SkinRecordValidator::fetchImage(int32_t id) const {
  if (exports_.getSkinImage == nullptr) {
    return {std::nullopt, "the skin hands out no images"};
  }
  const unsigned char* data = nullptr;
  uint32_t size = 0;
  if (exports_.getSkinImage(id & 0xFFFF, sv_, &data, &size) == 0 || data == nullptr || size == 0) {
    return {std::nullopt, "the package has no image for it"};
  }
  const std::optional<PngSize> png = pngSize(data, size);
  if (!png) {
    return {std::nullopt, "its bytes are not a PNG image of sane size"};
  }
  return {png, {}};
}

const SkinRecordValidator::ImageResult& SkinRecordValidator::image(int32_t id) {
  auto found = images_.find(id);
  if (found == images_.end()) {
    found = images_.emplace(id, fetchImage(id)).first;
  }
  return found->second;
}

std::string SkinRecordValidator::imageProblem(int32_t id) {
  if (id == 0) {
    return {};
  }
  const ImageResult& result = image(id);
  return result.size ? std::string()
                     : "bitmap id " + text(id) + " cannot be delivered: " + result.problem;
}

std::optional<PngSize> SkinRecordValidator::imageSize(int32_t id) {
  return id == 0 ? std::nullopt : image(id).size;
}

std::string SkinRecordValidator::rectProblem(int32_t left, int32_t top, int32_t right,
                                             int32_t bottom) const {
  if (right < left || bottom < top) {
    return "rectangle " + rectText(left, top, right, bottom) + " has a negative size";
  }
  if (left < 0 || top < 0 || right > windowWidth_ || bottom > windowHeight_) {
    return "rectangle " + rectText(left, top, right, bottom) + " lies outside the window (" +
           text(windowWidth_) + "x" + text(windowHeight_) + ")";
  }
  return {};
}

std::string SkinRecordValidator::samplePointProblem(int32_t imageId, int32_t x, int32_t y,
                                                    const char* what) {
  const std::optional<PngSize> size = imageSize(imageId);
  if (x == -1 || !size) {
    return {};
  }
  if (x < 0 || y < 0 || x >= size->width || y >= size->height) {
    return std::string(what) + " sample point " + text(x) + "," + text(y) +
           " lies outside its image (" + text(size->width) + "x" + text(size->height) + ")";
  }
  return {};
}

std::string SkinRecordValidator::problem(const QpSkinSidePanel& panel) const {
  if (panel.exists == 0) {
    return {};
  }
  if (panel.animated != 0 && panel.step <= 0) {
    return "animated side panel with a step of " + text(panel.step) + " pixels never opens";
  }
  if (panel.openOffsetX < 0 || panel.openOffsetY < 0 || panel.openOffsetX > kUnknownWindowSide ||
      panel.openOffsetY > kUnknownWindowSide) {
    return "opening offset " + text(panel.openOffsetX) + "," + text(panel.openOffsetY) +
           " is not between 0 and " + text(kUnknownWindowSide);
  }
  return {};
}

std::string SkinRecordValidator::problem(const QpSkinBitmap& bitmap) {
  if (std::string p = imageProblem(bitmap.bitmapId); !p.empty()) {
    return p;
  }
  if (bitmap.x < 0 || bitmap.y < 0 || bitmap.x > windowWidth_ || bitmap.y > windowHeight_) {
    return "position " + text(bitmap.x) + "," + text(bitmap.y) + " lies outside the window (" +
           text(windowWidth_) + "x" + text(windowHeight_) + ")";
  }
  if (bitmap.extentX < 0 || bitmap.extentY < 0) {
    return "extent " + text(bitmap.extentX) + "," + text(bitmap.extentY) + " is negative";
  }
  if (bitmap.polygonCount < 0 || bitmap.polygonCount > kMaxArrayCount) {
    return "polygon of " + text(bitmap.polygonCount) + " points (at most " + text(kMaxArrayCount) +
           ")";
  }
  if (bitmap.polygonCount > 0 && bitmap.polygon == nullptr) {
    return "polygon of " + text(bitmap.polygonCount) + " points without a point array";
  }
  for (int32_t i = 0; i < bitmap.polygonCount; ++i) {
    const QpSkinPoint& point = bitmap.polygon[i];
    if (point.x < 0 || point.y < 0 || point.x > windowWidth_ || point.y > windowHeight_) {
      return "polygon point " + text(i) + " (" + text(point.x) + "," + text(point.y) +
             ") lies outside the window";
    }
  }
  return samplePointProblem(bitmap.bitmapId, bitmap.sampleX, bitmap.sampleY, "transparent");
}

std::string SkinRecordValidator::problem(const QpSkinButton& button) {
  if (std::string p = rectProblem(button.left, button.top, button.right, button.bottom);
      !p.empty()) {
    return p;
  }
  const std::array<int32_t, 6> ids = {button.normalId,  button.focusedId,  button.toggledId,
                                      button.pressedId, button.disabledId, button.glyphId};
  for (const int32_t id : ids) {
    if (std::string p = imageProblem(id); !p.empty()) {
      return p;
    }
  }
  if (std::string p = samplePointProblem(button.normalId, button.sampleX, button.sampleY, "face");
      !p.empty()) {
    return p;
  }
  return samplePointProblem(button.glyphId, button.glyphSampleX, button.glyphSampleY, "glyph");
}

std::string SkinRecordValidator::problem(const QpSkinText& textRecord) const {
  return rectProblem(textRecord.left, textRecord.top, textRecord.right, textRecord.bottom);
}

std::string SkinRecordValidator::problem(const QpSkinListbox& listbox) {
  if (std::string p = rectProblem(listbox.left, listbox.top, listbox.right, listbox.bottom);
      !p.empty()) {
    return p;
  }
  if (std::string p = stepsProblem(listbox.rowHeight, "row height"); !p.empty()) {
    return p;
  }
  return imageProblem(listbox.backgroundId);
}

std::string SkinRecordValidator::problem(const QpSkinGraph& graph) {
  if (std::string p = rectProblem(graph.left, graph.top, graph.right, graph.bottom); !p.empty()) {
    return p;
  }
  return imageProblem(graph.backgroundId);
}

std::string SkinRecordValidator::problem(const QpSkinKnob& knob) {
  if (std::string p = rectProblem(knob.left, knob.top, knob.right, knob.bottom); !p.empty()) {
    return p;
  }
  const std::array<int32_t, 4> ids = {knob.bitmapId, knob.thumbId, knob.thumbFocusedId,
                                      knob.extraId};
  for (const int32_t id : ids) {
    if (std::string p = imageProblem(id); !p.empty()) {
      return p;
    }
  }
  return {};
}

std::string SkinRecordValidator::problem(const QpSkinTabOrder& order) const {
  if (order.count < 0 || order.count > kMaxArrayCount) {
    return "tab order of " + text(order.count) + " buttons (at most " + text(kMaxArrayCount) + ")";
  }
  if (order.count > 0 && order.buttons == nullptr) {
    return "tab order of " + text(order.count) + " buttons without a button array";
  }
  for (int32_t i = 0; i < order.count; ++i) {
    if (order.buttons[i] < 0) {
      return "tab order entry " + text(i) + " names button " + text(order.buttons[i]);
    }
  }
  return {};
}

std::string SkinRecordValidator::problem(const QpSkinVUMeter& meter) {
  if (std::string p = rectProblem(meter.left, meter.top, meter.right, meter.bottom); !p.empty()) {
    return p;
  }
  if (std::string p = stepsProblem(meter.segments, "segment count"); !p.empty()) {
    return p;
  }
  if (std::string p = imageProblem(meter.offId); !p.empty()) {
    return p;
  }
  return imageProblem(meter.onId);
}

std::string SkinRecordValidator::problem(const QpSkinVolume& volume) {
  if (std::string p = rectProblem(volume.left, volume.top, volume.right, volume.bottom);
      !p.empty()) {
    return p;
  }
  if (std::string p = stepsProblem(volume.positions, "position count"); !p.empty()) {
    return p;
  }
  return imageProblem(volume.framesId);
}

}  // namespace qp
