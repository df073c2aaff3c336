// Saving and restoring real windows on the (offscreen) desktop: the stored text, a position
// left on a screen that is gone, the stored-size flag, a missing or broken value, growing, and
// the outline moving between the two views.
#include "ui/placement/WindowPlacement.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QRubberBand>
#include <QWidget>

#include "common/MemorySettingsStore.h"
#include "support/WaitUntil.h"
#include "ui/placement/ViewTransition.h"

namespace qp {
namespace {

class WindowPlacementTest : public testing::Test {
 protected:
  void SetUp() override {
    const auto screens = WindowPlacement::screenAreas();
    ASSERT_FALSE(screens.empty());
    work_ = screens.front().workArea;
    ASSERT_GE(work_.width, 400);
    ASSERT_GE(work_.height, 300);
    window_.setGeometry(work_.x + 10, work_.y + 20, 200, 100);
  }

  QRect geometry() const { return window_.geometry(); }

  MemorySettingsStore settings_;
  PlacementRect work_;
  QWidget window_;
};

TEST_F(WindowPlacementTest, EachOwnerUsesItsOwnValue) {
  const WindowPlacement standard(settings_);
  const WindowPlacement small(settings_, WindowPlacement::kSmallView);
  const WindowPlacement popup(settings_, WindowPlacement::kAlarmPopup);
  ASSERT_TRUE(standard.save(window_));
  window_.setGeometry(work_.x + 1, work_.y + 2, 150, 60);
  ASSERT_TRUE(small.save(window_));
  window_.setGeometry(work_.x + 3, work_.y + 4, 180, 90);
  ASSERT_TRUE(popup.save(window_));
  EXPECT_EQ(settings_.readText("WindowPosition", ""),
            std::to_string(work_.x + 10) + ',' + std::to_string(work_.y + 20) + ",200,100");
  EXPECT_EQ(settings_.readText("WindowPositionSV", ""),
            std::to_string(work_.x + 1) + ',' + std::to_string(work_.y + 2) + ",150,60");
  EXPECT_EQ(settings_.readText("AlarmPos", ""),
            std::to_string(work_.x + 3) + ',' + std::to_string(work_.y + 4) + ",180,90");
}

TEST_F(WindowPlacementTest, RestoreBringsBackWhatWasSavedAndKeepsWindowsOnAScreen) {
  const int right = static_cast<int>(work_.right());
  const int bottom = static_cast<int>(work_.bottom());
  struct Case {
    const char* what;
    const char* stored;  // null: missing
    bool storedSize;
    QRect expected;
  } const cases[] = {
      {"saved rectangle", nullptr, true, QRect(work_.x + 10, work_.y + 20, 200, 100)},
      {"monitor gone", "5000,5000,300,150", true, QRect(right - 300, bottom - 150, 300, 150)},
      {"corner only", "5000,5000,300,150", false, QRect(right - 200, bottom - 100, 200, 100)},
      {"negative corner", "-3000,-40,300,150", true, QRect(work_.x, work_.y, 300, 150)},
      {"too wide, shrunk", "0,0,20000,150", true, QRect(work_.x, work_.y, work_.width, 150)},
      {"too wide, not shrunk", "0,0,20000,150", false, QRect(work_.x, work_.y, 200, 100)},
      {"broken value: current place", "12;13", true, QRect(work_.x + 10, work_.y + 20, 200, 100)},
  };
  for (const Case& c : cases) {
    window_.setGeometry(work_.x + 10, work_.y + 20, 200, 100);
    const WindowPlacement placement(settings_, WindowPlacement::kAlarmPopup);
    if (c.stored == nullptr) {
      ASSERT_TRUE(placement.save(window_));
      window_.setGeometry(work_.x + 50, work_.y + 60, 80, 40);
    } else {
      settings_.writeText("AlarmPos", c.stored);
    }
    placement.restore(window_, c.storedSize);
    EXPECT_EQ(geometry(), c.expected) << c.what;
  }
}

TEST_F(WindowPlacementTest, AMissingValueFitsTheCurrentRectangle) {
  window_.setGeometry(work_.x - 500, work_.y + 20, 200, 100);
  WindowPlacement(settings_, WindowPlacement::kSmallView).restore(window_, false);
  EXPECT_EQ(geometry(), QRect(work_.x, work_.y + 20, 200, 100));
  EXPECT_FALSE(settings_.contains("WindowPositionSV"));
}

TEST_F(WindowPlacementTest, GrowingKeepsTheCornerUnlessTheScreenEdgeIsInTheWay) {
  WindowPlacement::grow(window_, QSize(300, 50));
  EXPECT_EQ(geometry(), QRect(work_.x + 10, work_.y + 20, 300, 100));
  const int right = static_cast<int>(work_.right());
  window_.setGeometry(right - 250, work_.y + 20, 200, 100);
  WindowPlacement::grow(window_, QSize(400, 100));
  EXPECT_EQ(geometry(), QRect(right - 400, work_.y + 20, 400, 100));
  WindowPlacement::grow(window_, QSize(100, work_.height + 500));
  EXPECT_EQ(geometry(), QRect(right - 400, work_.y, 400, work_.height));
}

TEST(ViewTransition, TheOutlineStepsToTheNewViewAndFinishesOnce) {
  const PlacementRect standard{100, 100, 400, 300};
  const PlacementRect small{600, 0, 122, 53};
  ViewTransition transition(standard, small);
  std::vector<int> steps;
  std::vector<QRect> outlines;
  int finished = 0;
  QObject::connect(&transition, &ViewTransition::stepped, [&](int step) {
    steps.push_back(step);
    const auto bands = QApplication::topLevelWidgets();
    for (QWidget* widget : bands) {
      if (qobject_cast<QRubberBand*>(widget) != nullptr && widget->isVisible()) {
        outlines.push_back(widget->geometry());
      }
    }
  });
  QObject::connect(&transition, &ViewTransition::finished, [&] { ++finished; });
  transition.start();
  ASSERT_TRUE(test::waitUntil([&] {
    QCoreApplication::processEvents();
    return finished > 0;
  }));
  EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  ASSERT_EQ(outlines.size(), 10U);
  EXPECT_EQ(outlines.back(), QRect(600, 0, 122, 53));
  EXPECT_EQ(outlines.front(), QRect(150, 90, 373, 276));
  EXPECT_FALSE(transition.running());
  QCoreApplication::processEvents();
  EXPECT_EQ(finished, 1);
}

}  // namespace
}  // namespace qp
