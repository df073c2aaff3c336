// The Daylight package as the program sees it: it passes every check, has the window's
// buttons in both views without overlaps, a tab order of its own buttons, its images at the
// window's sizes, and a Notify that counts recordings and playbacks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/DiagnosticTrace.h"
#include "common/MemorySettingsStore.h"
#include "platform/DlopenSkinModule.h"
#include "skins/Skin.h"
#include "skins/SkinPackageCheck.h"
#include "skins/SkinPng.h"

namespace qp {
namespace {

class DaylightSkinTest : public testing::Test {
 protected:
  void SetUp() override {
    setDiagnosticTraceSink([this](std::string_view line) { trace_.emplace_back(line); });
    ASSERT_TRUE(skin_.loadPackage(QP_DAYLIGHT_SKN));
  }
  // Nothing the test asked for was left out.
  void TearDown() override {
    setDiagnosticTraceSink({});
    EXPECT_EQ(trace_, std::vector<std::string>{});
  }

  std::vector<int> buttons() {
    std::vector<int> present;
    for (int index = 0; index <= 63; ++index) {
      if (skin_.button(index) != nullptr) {
        present.push_back(index);
      }
    }
    return present;
  }

  MemorySettingsStore settings_;
  DlopenSkinModuleLoader loader_;
  Skin skin_{settings_, loader_};
  std::vector<std::string> trace_;
};

TEST_F(DaylightSkinTest, PassesTheCheckOfEveryRecord) {
  EXPECT_EQ(SkinPackageCheck::problems(loader_, QP_DAYLIGHT_SKN), std::vector<std::string>{});
}

TEST_F(DaylightSkinTest, HasTheWindowsButtonsInBothViews) {
  std::vector<int> standard;
  for (int i = 1; i <= 27; ++i) {
    standard.push_back(i);
  }
  standard.insert(standard.end(), {29, 30});
  EXPECT_EQ(buttons(), standard);
  skin_.setCompact(true);
  EXPECT_TRUE(skin_.isPackage());
  EXPECT_EQ(buttons(),
            (std::vector<int>{1, 2, 3, 4, 5, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 29}));
}

TEST_F(DaylightSkinTest, VisibleButtonsDoNotOverlapAndTabOrderNamesThem) {
  for (const bool compact : {false, true}) {
    skin_.setCompact(compact);
    const std::vector<int> present = buttons();
    for (const int a : present) {
      for (const int b : present) {
        const QpSkinButton& x = *skin_.button(a);
        const QpSkinButton& y = *skin_.button(b);
        if (a >= b || (x.flags & QP_BUTTON_HIDDEN) != 0 || (y.flags & QP_BUTTON_HIDDEN) != 0) {
          continue;
        }
        const bool overlap =
            x.left < y.right && y.left < x.right && x.top < y.bottom && y.top < x.bottom;
        EXPECT_FALSE(overlap) << "buttons " << a << " and " << b << (compact ? " small" : "");
      }
    }
    const QpSkinTabOrder* order = skin_.tabOrder();
    ASSERT_NE(order, nullptr);
    for (int i = 0; i < order->count; ++i) {
      EXPECT_NE(skin_.button(order->buttons[i]), nullptr) << order->buttons[i];
    }
  }
}

TEST_F(DaylightSkinTest, BackgroundsHaveTheWindowSizes) {
  struct View {
    bool compact;
    int width, height;
  };
  for (const View& view : {View{false, 230, 200}, View{true, 170, 100}}) {
    skin_.setCompact(view.compact);
    const std::vector<unsigned char> png = skin_.image(skin_.bitmap(1)->bitmapId);
    const auto size = pngSize(png.data(), png.size());
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, view.width);
    EXPECT_EQ(size->height, view.height);
    const QpSkinButton* record = skin_.button(12);
    const std::vector<unsigned char> face = skin_.image(record->normalId);
    const auto faceSize = pngSize(face.data(), face.size());
    ASSERT_TRUE(faceSize);
    EXPECT_EQ(faceSize->width, record->right - record->left);
    EXPECT_NE(skin_.volume(), nullptr);  // one record for both views
  }
}

TEST_F(DaylightSkinTest, NotifyCountsRecordingsAndPlaybacks) {
  EXPECT_EQ(skin_.notify(Skin::kEventLayoutDone), 0);
  EXPECT_EQ(skin_.notify(Skin::kEventRecordingStarted), 1);
  EXPECT_EQ(skin_.notify(Skin::kEventRecordingStarted), 2);
  EXPECT_EQ(skin_.notify(Skin::kEventPlaybackStarted), 1);
  EXPECT_EQ(skin_.notify(15), 3);
}

}  // namespace
}  // namespace qp
