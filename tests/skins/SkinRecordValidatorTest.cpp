// The checks of a package's records: each faulty field is named, edges and the low 16 bits of
// bitmap ids are accepted, and no extreme value overflows or reads past an array.
#include "skins/SkinRecordValidator.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "FakeSkinPackage.h"
#include "skins/SkinPng.h"

namespace qp {
namespace {

using test::FakeSkinPackage;
using test::pngHeader;

constexpr int32_t kBackgroundId = 1;
constexpr int32_t kFaceId = 2;       // 20x10
constexpr int32_t kNotPngId = 3;     // a GIF
constexpr int32_t kZeroWidthId = 4;  // header says 0 pixels wide
constexpr int32_t kHugeId = 5;       // 9000 pixels wide
constexpr int32_t kTruncatedId = 6;  // 10 bytes
constexpr int32_t kAbsentId = 99;    // GetSkinImage has nothing

class SkinRecordValidatorTest : public testing::Test {
 protected:
  SkinRecordValidatorTest() {
    FakeSkinPackage& fake = FakeSkinPackage::instance();
    fake.reset();
    fake.images[kBackgroundId] = pngHeader(200, 100);
    fake.images[kFaceId] = pngHeader(20, 10);
    fake.images[kNotPngId] = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0,
                              0,   0,   0,   0,   0,   0,   0, 0, 0, 0, 0, 0};
    fake.images[kZeroWidthId] = pngHeader(0, 10);
    fake.images[kHugeId] = pngHeader(9000, 10);
    const std::vector<unsigned char> whole = pngHeader(20, 10);
    fake.images[kTruncatedId] = std::vector<unsigned char>(whole.begin(), whole.begin() + 10);
    fake.bitmaps[1] = &background_;
  }

  QpSkinBitmap background_{kBackgroundId, 0, 0, 0, 0, -1, -1, 0, nullptr, 0};
  SkinExports exports_ = FakeSkinPackage::exports();
};

QpSkinButton goodButton() {
  QpSkinButton b{};
  b.left = 10;
  b.top = 10;
  b.right = 30;
  b.bottom = 20;
  b.normalId = kFaceId;
  b.sampleX = 0;
  b.sampleY = 0;
  b.glyphSampleX = -1;
  return b;
}

struct ButtonCase {
  const char* name;
  std::function<void(QpSkinButton&)> change;
  const char* expected;  // a part of the problem; empty: accepted
};

TEST_F(SkinRecordValidatorTest, ButtonFieldsAreCheckedOneByOne) {
  const std::vector<ButtonCase> cases = {
      {"good", [](QpSkinButton&) {}, ""},
      {"right edge", [](QpSkinButton& b) { b.right = 200; }, ""},
      {"past the right edge", [](QpSkinButton& b) { b.right = 201; },
       "rectangle 10,10-201,20 lies outside the window (200x100)"},
      {"past the bottom", [](QpSkinButton& b) { b.bottom = 101; }, "outside the window"},
      {"left of the window", [](QpSkinButton& b) { b.left = -1; }, "outside the window"},
      {"negative width", [](QpSkinButton& b) { b.right = 5; }, "has a negative size"},
      {"negative height", [](QpSkinButton& b) { b.bottom = 9; }, "has a negative size"},
      {"extreme coordinates",
       [](QpSkinButton& b) {
         b.left = INT_MIN;
         b.right = INT_MAX;
       },
       "outside the window"},
      {"absent face", [](QpSkinButton& b) { b.normalId = kAbsentId; },
       "bitmap id 99 cannot be delivered: the package has no image for it"},
      {"pressed face not a PNG", [](QpSkinButton& b) { b.pressedId = kNotPngId; },
       "bitmap id 3 cannot be delivered: its bytes are not a PNG image of sane size"},
      {"glyph of zero width", [](QpSkinButton& b) { b.glyphId = kZeroWidthId; }, "bitmap id 4"},
      {"huge focused face", [](QpSkinButton& b) { b.focusedId = kHugeId; }, "bitmap id 5"},
      {"truncated disabled face", [](QpSkinButton& b) { b.disabledId = kTruncatedId; },
       "bitmap id 6"},
      {"toggled face absent", [](QpSkinButton& b) { b.toggledId = kAbsentId; }, "bitmap id 99"},
      {"only the low 16 bits name the image",
       [](QpSkinButton& b) { b.normalId = 0x10000 + kFaceId; }, ""},
      {"sample point at the far corner",
       [](QpSkinButton& b) {
         b.sampleX = 19;
         b.sampleY = 9;
       },
       ""},
      {"sample point past the face", [](QpSkinButton& b) { b.sampleX = 20; },
       "face sample point 20,0 lies outside its image (20x10)"},
      {"negative sample point", [](QpSkinButton& b) { b.sampleY = -3; }, "face sample point"},
      {"opaque faces ignore the sample point",
       [](QpSkinButton& b) {
         b.sampleX = -1;
         b.sampleY = 5000;
       },
       ""},
      {"glyph sample point past the glyph",
       [](QpSkinButton& b) {
         b.glyphId = kFaceId;
         b.glyphSampleX = 3;
         b.glyphSampleY = 10;
       },
       "glyph sample point 3,10"},
  };
  for (const ButtonCase& c : cases) {
    SkinRecordValidator validator(exports_, 0);
    QpSkinButton button = goodButton();
    c.change(button);
    const std::string problem = validator.problem(button);
    if (std::string(c.expected).empty()) {
      EXPECT_EQ(problem, "") << c.name;
    } else {
      EXPECT_NE(problem.find(c.expected), std::string::npos) << c.name << ": " << problem;
    }
  }
}

TEST_F(SkinRecordValidatorTest, WindowIsTheBackgroundGrownByTheSidePanel) {
  EXPECT_EQ(SkinRecordValidator(exports_, 0).windowWidth(), 200);
  EXPECT_EQ(SkinRecordValidator(exports_, 0).windowHeight(), 100);

  const QpSkinSidePanel panel{1, 1, 2, 20, 8, 50, 0, {}};
  FakeSkinPackage::instance().sidePanel = &panel;
  SkinRecordValidator grown(exports_, 0);
  EXPECT_EQ(grown.windowWidth(), 250);
  QpSkinButton onPanel = goodButton();
  onPanel.left = 220;
  onPanel.right = 240;
  EXPECT_EQ(grown.problem(onPanel), "");

  const QpSkinSidePanel absent{0, 0, 0, 0, 0, 50, 0, {}};
  FakeSkinPackage::instance().sidePanel = &absent;
  EXPECT_EQ(SkinRecordValidator(exports_, 0).windowWidth(), 200);

  background_.bitmapId = kNotPngId;  // cannot be measured: a generous bound
  EXPECT_EQ(SkinRecordValidator(exports_, 0).windowWidth(),
            SkinRecordValidator::kUnknownWindowSide);
  FakeSkinPackage::instance().bitmaps.clear();
  EXPECT_EQ(SkinRecordValidator(exports_, 0).windowHeight(),
            SkinRecordValidator::kUnknownWindowSide);
}

TEST_F(SkinRecordValidatorTest, BitmapPositionExtentAndPolygon) {
  const std::vector<QpSkinPoint> square = {{0, 0}, {200, 0}, {200, 100}, {0, 100}};
  const std::vector<QpSkinPoint> straying = {{0, 0}, {201, 0}, {200, 100}};
  struct Case {
    QpSkinBitmap record;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {{kBackgroundId, 0, 0, 0, 0, -1, -1, 0, square.data(), 4}, ""},
      {{kFaceId, 180, 90, 20, 10, 19, 9, 1, nullptr, 0}, ""},
      {{0, 0, 0, 0, 0, -1, -1, 0, nullptr, 0}, ""},
      {{kAbsentId, 0, 0, 0, 0, -1, -1, 0, nullptr, 0}, "bitmap id 99"},
      {{kFaceId, 201, 0, 0, 0, -1, -1, 0, nullptr, 0}, "position 201,0 lies outside the window"},
      {{kFaceId, 0, -1, 0, 0, -1, -1, 0, nullptr, 0}, "position 0,-1"},
      {{kFaceId, 0, 0, -4, 0, -1, -1, 0, nullptr, 0}, "extent -4,0 is negative"},
      {{kFaceId, 0, 0, 0, 0, 20, 0, 1, nullptr, 0}, "transparent sample point 20,0"},
      {{kFaceId, 0, 0, 0, 0, -1, -1, 0, nullptr, 3}, "polygon of 3 points without a point array"},
      {{kFaceId, 0, 0, 0, 0, -1, -1, 0, square.data(), -1}, "polygon of -1 points"},
      {{kFaceId, 0, 0, 0, 0, -1, -1, 0, square.data(), 4097},
       "polygon of 4097 points (at most 4096)"},
      {{kFaceId, 0, 0, 0, 0, -1, -1, 0, straying.data(), 3}, "polygon point 1 (201,0)"},
  };
  for (const Case& c : cases) {
    SkinRecordValidator validator(exports_, 0);
    const std::string problem = validator.problem(c.record);
    if (std::string(c.expected).empty()) {
      EXPECT_EQ(problem, "");
    } else {
      EXPECT_NE(problem.find(c.expected), std::string::npos) << c.expected << " / " << problem;
    }
  }
}

TEST_F(SkinRecordValidatorTest, TabOrderCountsAndEntries) {
  const std::vector<int32_t> buttons(4096, 12);
  const std::vector<int32_t> negative = {12, -3};
  SkinRecordValidator validator(exports_, 0);
  EXPECT_EQ(validator.problem(QpSkinTabOrder{nullptr, 0}), "");
  EXPECT_EQ(validator.problem(QpSkinTabOrder{buttons.data(), 4096}), "");
  EXPECT_EQ(validator.problem(QpSkinTabOrder{buttons.data(), 4097}),
            "tab order of 4097 buttons (at most 4096)");
  EXPECT_EQ(validator.problem(QpSkinTabOrder{buttons.data(), -1}),
            "tab order of -1 buttons (at most 4096)");
  EXPECT_EQ(validator.problem(QpSkinTabOrder{nullptr, 2}),
            "tab order of 2 buttons without a button array");
  EXPECT_EQ(validator.problem(QpSkinTabOrder{negative.data(), 2}),
            "tab order entry 1 names button -3");
}

TEST_F(SkinRecordValidatorTest, CountsThatDrawingDividesByMustBePositive) {
  SkinRecordValidator validator(exports_, 0);
  QpSkinListbox listbox{10, 10, 100, 90, 0, 0, 0, 0, 14, -11, {}};
  EXPECT_EQ(validator.problem(listbox), "");
  listbox.rowHeight = 0;
  EXPECT_EQ(validator.problem(listbox), "row height 0 is not between 1 and 1024");
  listbox.rowHeight = 14;
  listbox.backgroundId = kNotPngId;
  EXPECT_NE(validator.problem(listbox).find("bitmap id 3"), std::string::npos);

  QpSkinVUMeter meter{10, 10, 70, 18, kFaceId, kFaceId, 10, 0, {}};
  EXPECT_EQ(validator.problem(meter), "");
  meter.segments = 0;
  EXPECT_EQ(validator.problem(meter), "segment count 0 is not between 1 and 1024");
  meter.segments = 10;
  meter.onId = kAbsentId;
  EXPECT_NE(validator.problem(meter).find("bitmap id 99"), std::string::npos);

  QpSkinVolume volume{10, 10, 30, 30, kFaceId, 8, 0, {}};
  EXPECT_EQ(validator.problem(volume), "");
  volume.positions = 1025;
  EXPECT_EQ(validator.problem(volume), "position count 1025 is not between 1 and 1024");

  const QpSkinSidePanel stuck{1, 1, 2, 20, 0, 40, 0, {}};
  EXPECT_EQ(validator.problem(stuck), "animated side panel with a step of 0 pixels never opens");
  const QpSkinSidePanel backwards{1, 0, 2, 0, 0, -5, 0, {}};
  EXPECT_NE(validator.problem(backwards).find("opening offset -5,0"), std::string::npos);
  const QpSkinSidePanel none{0, 1, 0, 0, 0, -5, 0, {}};
  EXPECT_EQ(validator.problem(none), "");
}

TEST_F(SkinRecordValidatorTest, TextGraphAndKnobRectanglesAndImages) {
  SkinRecordValidator validator(exports_, 0);
  EXPECT_EQ(validator.problem(QpSkinText{0, 0, 200, 100, 0, -1, 0, 0, -11, 400, 0, 0}), "");
  EXPECT_NE(validator.problem(QpSkinText{0, 50, 200, 40, 0, -1, 0, 0, -11, 400, 0, 0})
                .find("negative size"),
            std::string::npos);
  EXPECT_EQ(validator.problem(QpSkinGraph{38, 35, 189, 68, 0, 0, 0, {}}), "");
  EXPECT_NE(validator.problem(QpSkinGraph{38, 35, 189, 68, kHugeId, 0, 0, {}}).find("bitmap id 5"),
            std::string::npos);
  EXPECT_EQ(validator.problem(QpSkinKnob{0, 0, 20, 10, kFaceId, kFaceId, 0, 0, 1}), "");
  EXPECT_NE(validator.problem(QpSkinKnob{0, 0, 20, 10, kFaceId, kFaceId, 0, kAbsentId, 1})
                .find("bitmap id 99"),
            std::string::npos);
}

TEST(SkinPng, SizeFromTheHeaderChunkOnly) {
  EXPECT_EQ(pngSize(pngHeader(230, 200).data(), 24)->width, 230);
  EXPECT_EQ(pngSize(pngHeader(230, 200).data(), 24)->height, 200);
  EXPECT_EQ(pngSize(pngHeader(8192, 1).data(), 24)->width, 8192);
  EXPECT_FALSE(pngSize(pngHeader(8193, 1).data(), 24));
  EXPECT_FALSE(pngSize(pngHeader(1, 0).data(), 24));
  EXPECT_FALSE(pngSize(pngHeader(0x80000000u, 1).data(), 24));
  EXPECT_FALSE(pngSize(pngHeader(2, 2).data(), 23));
  EXPECT_FALSE(pngSize(nullptr, 100));
  std::vector<unsigned char> wrongChunk = pngHeader(2, 2);
  wrongChunk[12] = 'i';
  EXPECT_FALSE(pngSize(wrongChunk.data(), wrongChunk.size()));
  std::vector<unsigned char> wrongLength = pngHeader(2, 2);
  wrongLength[11] = 12;
  EXPECT_FALSE(pngSize(wrongLength.data(), wrongLength.size()));
}

}  // namespace
}  // namespace qp
