// The built-in skin as the window sees it: every picture its tables name exists at 1x and 2x
// and fits its record, the records put the controls where they belong, and a sample window
// of each view is kept as a picture in the build tree (tests/artefacts/).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <set>
#include <span>

#include "skins/BuiltInBitmaps.h"
#include "skins/BuiltInSkin.h"
#include "ui/controls/SkinButton.h"
#include "ui/skin/BuiltInSkinImages.h"
#include "ui/skin/SkinApplier.h"
#include "ui/skin/SkinSampleWindow.h"

namespace qp {
namespace {

const SkinExports& skin() {
  return builtInSkinExports();
}

// Every bitmap id the records of a view refer to.
std::set<int> bitmapIdsOf(int sv) {
  std::set<int> ids;
  auto add = [&](int id) {
    if (id != 0) {
      ids.insert(id);
    }
  };
  for (int index = 0; index <= 40; ++index) {
    if (const QpSkinButton* b = skin().getButton(index, sv)) {
      for (int id :
           {b->normalId, b->focusedId, b->toggledId, b->pressedId, b->disabledId, b->glyphId}) {
        add(id);
      }
    }
    if (const QpSkinBitmap* bitmap = skin().getBitmap(index, sv)) {
      add(bitmap->bitmapId);
    }
  }
  if (const QpSkinKnob* knob = skin().getKnob(sv)) {
    add(knob->bitmapId);
    add(knob->thumbId);
    add(knob->thumbFocusedId);
  }
  if (const QpSkinVUMeter* meter = skin().getVUMeter(sv)) {
    add(meter->offId);
    add(meter->onId);
  }
  add(skin().getVolume()->framesId);
  add(skin().getListbox(sv)->backgroundId);
  return ids;
}

TEST(BuiltInSkinLook, EveryPictureOfTheTablesExistsAtBothSizes) {
  const BuiltInSkinImages images(1.0);
  for (const int sv : {0, 1}) {
    const std::set<int> ids = bitmapIdsOf(sv);
    EXPECT_GT(ids.size(), 30U);
    for (const int id : ids) {
      const QImage one(BuiltInSkinImages::resourceName(id, false));
      const QImage two(BuiltInSkinImages::resourceName(id, true));
      ASSERT_FALSE(one.isNull()) << id;
      ASSERT_FALSE(two.isNull()) << id;
      EXPECT_EQ(two.size(), one.size() * 2) << id;
    }
  }
  EXPECT_TRUE(images.pixmap(4242).isNull());
}

TEST(BuiltInSkinLook, DoubleSizePicturesCarryTheirRatio) {
  const BuiltInSkinImages sharp(2.0);
  const QPixmap background = sharp.pixmap(BuiltInBitmaps::kBackground);
  EXPECT_EQ(background.devicePixelRatio(), 2.0);
  EXPECT_EQ(background.deviceIndependentSize().toSize(), QSize(207, 248));
}

TEST(BuiltInSkinLook, BitmapRecordsMatchTheirPictures) {
  const BuiltInSkinImages images(1.0);
  for (const int sv : {0, 1}) {
    for (const int index : {1, 2, 3, 6}) {
      const QpSkinBitmap* record = skin().getBitmap(index, sv);
      if (record == nullptr) {
        continue;
      }
      EXPECT_EQ(images.pixmap(record->bitmapId).size(), QSize(record->extentX, record->extentY))
          << sv << " " << index;
    }
  }
}

TEST(BuiltInSkinLook, ButtonsTakeTheirFacesSizeInsideTheWindowOrPanel) {
  const BuiltInSkinImages images(1.0);
  const QRect standard(0, 0, 207 + 76, 248);
  const QRect small(0, 0, 214, 100);
  for (const int sv : {0, 1}) {
    for (int index = 1; index <= 30; ++index) {
      const QpSkinButton* b = skin().getButton(index, sv);
      if (b == nullptr) {
        continue;
      }
      const QRect place(QPoint(b->left, b->top), QPoint(b->right - 1, b->bottom - 1));
      EXPECT_EQ(place.size(), images.pixmap(b->normalId).size()) << index;
      EXPECT_TRUE((sv == 0 ? standard : small).contains(place)) << sv << " " << index;
    }
  }
}

TEST(BuiltInSkinLook, ModeFlagsFollowWhatEachButtonDoes) {
  using Mode = std::array<bool, 3>;  // shown in idle, recording, playing
  struct Case {
    int index;
    Mode shown;
  };
  const Case cases[] = {{13, {true, false, false}}, {14, {true, false, false}},
                        {15, {true, false, false}}, {17, {false, false, true}},
                        {18, {false, true, true}},  {19, {false, true, true}},
                        {20, {true, false, false}}, {30, {false, true, false}},
                        {2, {true, false, false}},  {3, {true, false, false}}};
  for (const Case& c : cases) {
    const int32_t flags = skin().getButton(c.index, 0)->flags;
    for (int mode = 0; mode < 3; ++mode) {
      EXPECT_EQ(SkinApplier::shownInMode(flags, mode, true), c.shown.at(mode))
          << c.index << " mode " << mode;
    }
  }
  // Buttons that work in every mode carry no mode flag.
  for (const int index : {1, 4, 5, 12, 23, 24, 25}) {
    EXPECT_TRUE(SkinApplier::shownInMode(skin().getButton(index, 0)->flags, 1, true)) << index;
    EXPECT_FALSE(SkinApplier::shownInMode(skin().getButton(index, 0)->flags, 1, false)) << index;
  }
  EXPECT_EQ(skin().getButton(29, 0)->flags & QP_BUTTON_HIDDEN, QP_BUTTON_HIDDEN);
  EXPECT_EQ(skin().getButton(18, 1)->flags & QP_BUTTON_HIDDEN, QP_BUTTON_HIDDEN);
}

TEST(BuiltInSkinLook, TabOrderNamesOnlyButtonsOfTheView) {
  for (const int sv : {0, 1}) {
    const QpSkinTabOrder* order = skin().getTabOrder(sv);
    ASSERT_GT(order->count, 10);
    std::set<int> seen;
    for (const int index : std::span(order->buttons, static_cast<std::size_t>(order->count))) {
      EXPECT_NE(skin().getButton(index, sv), nullptr) << index;
      EXPECT_TRUE(seen.insert(index).second) << index;
    }
  }
}

TEST(BuiltInSkinLook, WindowShapeFollowsTheRoundedOutline) {
  const BuiltInSkinImages images(1.0);
  const SkinApplier applier([&](int id) { return images.pixmap(id); });
  const auto shape = applier.windowRegion(skin().getBitmap(1, 0));
  ASSERT_TRUE(shape.has_value());
  EXPECT_EQ(shape->boundingRect(), QRect(0, 0, 207, 248));
  EXPECT_FALSE(shape->contains(QPoint(1, 1)));
  EXPECT_TRUE(shape->contains(QPoint(100, 1)));
  EXPECT_TRUE(shape->contains(QPoint(14, 14)));
  // The picture is transparent where the outline cuts it off.
  const QImage background = images.pixmap(BuiltInBitmaps::kBackground).toImage();
  EXPECT_EQ(qAlpha(background.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(background.pixel(100, 100)), 255);
}

TEST(BuiltInSkinLook, AppliedButtonsHaveTheirPlaceNameAndFirstVisibility) {
  const BuiltInSkinImages images(1.0);
  SkinSampleWindow window(
      skin(), [&](int id) { return images.pixmap(id); }, 0, true);
  SkinButton* record = window.button(12);
  EXPECT_EQ(record->geometry(), QRect(12, 188, 26, 26));
  EXPECT_FALSE(record->accessibleName().isEmpty());
  EXPECT_FALSE(record->mask().isEmpty());  // round: shaped by its face
  EXPECT_FALSE(record->mask().contains(QPoint(0, 0)));
  EXPECT_TRUE(window.button(29)->isHidden());    // hidden at creation
  EXPECT_FALSE(window.button(28)->isEnabled());  // no record
  EXPECT_TRUE(window.button(28)->isHidden());
}

void keepArtefact(const QImage& image, const QString& name) {
  const QString dir = qEnvironmentVariable("QP_BINARY_DIR", QDir::tempPath()) + "/tests/artefacts";
  ASSERT_TRUE(QDir().mkpath(dir));
  ASSERT_TRUE(image.save(dir + "/" + name));
}

TEST(BuiltInSkinLook, SampleWindowsOfBothViews) {
  const BuiltInSkinImages images(1.0);
  SkinSampleWindow standard(
      skin(), [&](int id) { return images.pixmap(id); }, 0, true);
  const QImage picture = standard.render();
  EXPECT_EQ(picture.size(), QSize(283, 248));
  EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);  // outside the rounded corner
  EXPECT_EQ(qAlpha(picture.pixel(100, 100)), 255);
  keepArtefact(picture, "sample-window.png");
  SkinSampleWindow small(
      skin(), [&](int id) { return images.pixmap(id); }, 1, false);
  EXPECT_EQ(small.render().size(), QSize(214, 100));
  keepArtefact(small.render(), "sample-window-small.png");
  SkinSampleWindow closed(
      skin(), [&](int id) { return images.pixmap(id); }, 0, false);
  keepArtefact(closed.render(), "sample-window-closed.png");
  const BuiltInSkinImages sharp(2.0);
  SkinSampleWindow doubled(
      skin(), [&](int id) { return sharp.pixmap(id); }, 0, true);
  const QImage big = doubled.render(2.0);
  EXPECT_EQ(big.size(), QSize(566, 496));
  keepArtefact(big, "sample-window@2x.png");
}

}  // namespace
}  // namespace qp
