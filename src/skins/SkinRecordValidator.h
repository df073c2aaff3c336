#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "skins/SkinExports.h"
#include "skins/SkinPng.h"

namespace qp {

// Checks the records a skin package hands out for one view (sv) before anything uses them, so
// that a faulty package can neither crash the window nor make it read out of bounds.
//
// The window's bounds are the size of the background image (bitmap record 1) grown by the side
// panel's opening offsets; when the background cannot be measured, kUnknownWindowSide in each
// direction. A bitmap id can be delivered when the package's GetSkinImage hands out bytes for
// its low 16 bits that start like a PNG of sane size (pngSize). Results per id are cached; the
// validator keeps a reference to exports, which must outlive it.
class SkinRecordValidator {
 public:
  // Counts of point and button arrays above this are refused.
  static constexpr int kMaxArrayCount = 4096;
  static constexpr int kUnknownWindowSide = 4096;
  // Largest segment count of the level meter, position count of the volume strip, row height.
  static constexpr int kMaxSteps = 1024;

  SkinRecordValidator(const SkinExports& exports, int32_t sv);

  int windowWidth() const { return windowWidth_; }
  int windowHeight() const { return windowHeight_; }

  // Each answers empty when the record may be used, else one sentence saying why not.
  std::string problem(const QpSkinSidePanel& panel) const;
  std::string problem(const QpSkinBitmap& bitmap);
  std::string problem(const QpSkinButton& button);
  std::string problem(const QpSkinText& text) const;
  std::string problem(const QpSkinListbox& listbox);
  std::string problem(const QpSkinGraph& graph);
  std::string problem(const QpSkinKnob& knob);
  std::string problem(const QpSkinTabOrder& order) const;
  std::string problem(const QpSkinVUMeter& meter);
  std::string problem(const QpSkinVolume& volume);

  // Empty when id is 0 (none) or its image can be delivered, else why it cannot.
  std::string imageProblem(int32_t id);
  // The size of the image of id; nothing when it cannot be delivered.
  std::optional<PngSize> imageSize(int32_t id);

 private:
  struct ImageResult {
    std::optional<PngSize> size;
    std::string problem;
  };

  const ImageResult& image(int32_t id);
  ImageResult fetchImage(int32_t id) const;
  void measureWindow();
  std::string rectProblem(int32_t left, int32_t top, int32_t right, int32_t bottom) const;
  std::string samplePointProblem(int32_t imageId, int32_t x, int32_t y, const char* what);

  const SkinExports& exports_;
  int32_t sv_;
  int windowWidth_ = kUnknownWindowSide;
  int windowHeight_ = kUnknownWindowSide;
  std::map<int32_t, ImageResult> images_;
};

}  // namespace qp
