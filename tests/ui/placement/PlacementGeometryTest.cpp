// Window placement arithmetic over screen layouts: stored texts, the nearest screen, fitting
// into a work area (with and without shrinking), restoring, growing, and the small view's
// first position and transition frames.
#include "ui/placement/PlacementGeometry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace qp {
namespace {

using placement::fit;

// One 1920 x 1080 screen whose top panel takes 27 pixels.
const std::vector<ScreenArea> kSingle{{{0, 0, 1920, 1080}, {0, 27, 1920, 1053}}};
// The same screen at a lowered resolution.
const std::vector<ScreenArea> kLowered{{{0, 0, 1024, 768}, {0, 0, 1024, 768}}};
// The primary screen with a smaller one to its right.
const std::vector<ScreenArea> kSideBySide{{{0, 0, 1920, 1080}, {0, 27, 1920, 1053}},
                                          {{1920, 0, 1280, 1024}, {1920, 0, 1280, 1024}}};
// The primary screen with a second one to its left, at negative coordinates.
const std::vector<ScreenArea> kLeftOfPrimary{{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}},
                                             {{-1280, 56, 1280, 1024}, {-1280, 56, 1280, 1000}}};
const std::vector<ScreenArea> kNoScreens{};

struct FitCase {
  const char* what;
  const std::vector<ScreenArea>* screens;
  PlacementRect rect;
  bool shrink;
  PlacementRect expected;
};

TEST(PlacementGeometry, FitMovesRectanglesOntoTheNearestScreensWorkArea) {
  const FitCase cases[] = {
      {"inside stays", &kSingle, {100, 100, 400, 300}, false, {100, 100, 400, 300}},
      {"under the top panel", &kSingle, {100, 0, 400, 300}, false, {100, 27, 400, 300}},
      {"monitor unplugged", &kSingle, {2200, 100, 400, 300}, false, {1520, 100, 400, 300}},
      {"far beyond the bottom right",
       &kSingle,
       {9000, 9000, 400, 300},
       true,
       {1520, 780, 400, 300}},
      {"above every screen", &kSingle, {100, -500, 400, 300}, false, {100, 27, 400, 300}},
      {"wider, not shrunk: left edge kept",
       &kSingle,
       {100, 100, 2500, 300},
       false,
       {0, 100, 2500, 300}},
      {"wider, shrunk", &kSingle, {100, 100, 2500, 300}, true, {0, 100, 1920, 300}},
      {"taller, not shrunk: top edge kept",
       &kSingle,
       {100, 500, 400, 1500},
       false,
       {100, 27, 400, 1500}},
      {"taller, shrunk", &kSingle, {100, 500, 400, 1500}, true, {100, 27, 400, 1053}},
      {"resolution lowered", &kLowered, {1500, 900, 400, 300}, false, {624, 468, 400, 300}},
      {"on the second screen stays",
       &kSideBySide,
       {2000, 100, 400, 300},
       false,
       {2000, 100, 400, 300}},
      {"straddling, mostly on the second",
       &kSideBySide,
       {1800, 100, 400, 300},
       false,
       {1920, 100, 400, 300}},
      {"straddling, mostly on the first",
       &kSideBySide,
       {1700, 100, 400, 300},
       false,
       {1520, 100, 400, 300}},
      {"below the shorter second screen",
       &kSideBySide,
       {2000, 900, 400, 300},
       false,
       {2000, 724, 400, 300}},
      {"right of the second screen",
       &kSideBySide,
       {4000, 100, 400, 300},
       false,
       {2800, 100, 400, 300}},
      {"negative coordinates stay",
       &kLeftOfPrimary,
       {-1000, 100, 400, 300},
       false,
       {-1000, 100, 400, 300}},
      {"left screen's top margin",
       &kLeftOfPrimary,
       {-1000, 0, 400, 300},
       false,
       {-1000, 56, 400, 300}},
      {"left screen's work area bottom",
       &kLeftOfPrimary,
       {-1000, 900, 400, 300},
       false,
       {-1000, 756, 400, 300}},
      {"left of the left screen",
       &kLeftOfPrimary,
       {-3000, 100, 400, 300},
       false,
       {-1280, 100, 400, 300}},
      {"left screen unplugged", &kSingle, {-1000, 100, 400, 300}, false, {0, 100, 400, 300}},
      {"no screen: unchanged", &kNoScreens, {-9000, 9000, 400, 300}, true, {-9000, 9000, 400, 300}},
      {"huge stored numbers",
       &kSingle,
       {2000000000, 2000000000, 2000000000, 2000000000},
       true,
       {0, 27, 1920, 1053}},
  };
  for (const FitCase& c : cases) {
    EXPECT_EQ(fit(c.rect, *c.screens, c.shrink), c.expected) << c.what;
  }
}

TEST(PlacementGeometry, NearestScreenPrefersOverlapThenDistanceThenTheEarlierScreen) {
  struct Case {
    PlacementRect rect;
    std::optional<std::size_t> expected;
  } const cases[] = {
      {{100, 100, 10, 10}, 0},   {{2500, 100, 10, 10}, 1},
      {{1915, 100, 10, 10}, 0},   // 5 pixels on the first, 5 on the second: the earlier wins
      {{1900, 100, 30, 10}, 0},   // 20 on the first, 10 on the second
      {{1000, 1050, 10, 10}, 0},  // below the second's bottom, on the first
      {{3000, 1100, 10, 10}, 1},  // beyond both, closer to the second
      {{-500, -500, 10, 10}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(placement::nearestScreen(c.rect, kSideBySide), c.expected)
        << placement::formatRect(c.rect);
  }
  EXPECT_EQ(placement::nearestScreen({0, 0, 10, 10}, kNoScreens), std::nullopt);
}

TEST(PlacementGeometry, StoredTextsAreReadAsTheyWereWrittenAndBrokenOnesAreMissing) {
  struct Case {
    const char* text;
    std::optional<PlacementRect> expected;
  } const cases[] = {
      {"10,20,300,400", PlacementRect{10, 20, 300, 400}},
      {"10, 20, 300, 400", PlacementRect{10, 20, 300, 400}},
      {"  -5,-6,\t7,8", PlacementRect{-5, -6, 7, 8}},
      {"+1,2,3,4", PlacementRect{1, 2, 3, 4}},
      {"1,2,3,4 and more", PlacementRect{1, 2, 3, 4}},
      {"1,2,3,4,5", PlacementRect{1, 2, 3, 4}},
      {"", std::nullopt},
      {"1,2,3", std::nullopt},
      {"10 ,20,30,40", std::nullopt},
      {"a,b,c,d", std::nullopt},
      {"1,,3,4", std::nullopt},
      {"1,2,0,4", std::nullopt},
      {"1,2,3,-4", std::nullopt},
      {"99999999999,1,2,3", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(placement::parseRect(c.text), c.expected) << '"' << c.text << '"';
  }
  for (const PlacementRect rect :
       {PlacementRect{-1280, -56, 122, 53}, PlacementRect{2147483647, -2147483647 - 1, 1, 1}}) {
    EXPECT_EQ(placement::parseRect(placement::formatRect(rect)), rect);
  }
  EXPECT_EQ(placement::formatRect({-5, 6, 700, 80}), "-5,6,700,80");
}

TEST(PlacementGeometry, RestoreTakesTheStoredCornerAndTheStoredSizeOnlyWhenAsked) {
  const PlacementRect current{50, 60, 500, 400};
  struct Case {
    const char* what;
    std::optional<PlacementRect> stored;
    bool storedSize;
    PlacementRect expected;
  } const cases[] = {
      {"nothing stored: current, fitted", std::nullopt, false, {50, 60, 500, 400}},
      {"corner only", PlacementRect{300, 200, 900, 700}, false, {300, 200, 500, 400}},
      {"corner and size", PlacementRect{300, 200, 900, 700}, true, {300, 200, 900, 700}},
      {"unplugged monitor, corner only",
       PlacementRect{3000, 200, 900, 700},
       false,
       {1420, 200, 500, 400}},
      {"too wide, size kept", PlacementRect{300, 200, 2500, 700}, true, {0, 200, 1920, 700}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(placement::restoredRect(c.stored, current, c.storedSize, kSingle), c.expected)
        << c.what;
  }
  EXPECT_EQ(placement::restoredRect(std::nullopt, {50, 0, 500, 400}, false, kSingle),
            (PlacementRect{50, 27, 500, 400}));
}

TEST(PlacementGeometry, AGrowingWindowKeepsItsCornerAndStaysOnItsScreen) {
  struct Case {
    const char* what;
    PlacementRect current;
    int width;
    int height;
    PlacementRect expected;
  } const cases[] = {
      {"room to grow", {100, 100, 400, 300}, 700, 300, {100, 100, 700, 300}},
      {"never smaller", {100, 100, 400, 300}, 200, 100, {100, 100, 400, 300}},
      {"at the right edge: moves left", {1500, 100, 400, 300}, 700, 300, {1220, 100, 700, 300}},
      {"taller than the screen: shrunk", {100, 100, 400, 300}, 400, 5000, {100, 27, 400, 1053}},
      {"on the second screen", {2700, 100, 400, 300}, 700, 300, {2500, 100, 700, 300}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(placement::grownRect(c.current, c.width, c.height, kSideBySide), c.expected)
        << c.what;
  }
}

TEST(PlacementGeometry, TheSmallViewFirstAppearsAtTheTopRight) {
  EXPECT_EQ(placement::defaultSmallViewRect(kSingle), (PlacementRect{1600, 27, 122, 53}));
  EXPECT_EQ(placement::defaultSmallViewRect(kLowered), (PlacementRect{902, 0, 122, 53}));
  EXPECT_EQ(placement::defaultSmallViewRect(kNoScreens), (PlacementRect{1600, 0, 122, 53}));
  const PlacementRect stored{10, 20, 122, 53};
  EXPECT_EQ(placement::smallViewRect(stored, kSingle), stored);
  EXPECT_EQ(placement::smallViewRect(std::nullopt, kLowered), (PlacementRect{902, 0, 122, 53}));
}

TEST(PlacementGeometry, TransitionFramesMoveEvenlyAndEndOnTheTarget) {
  const PlacementRect from{0, 0, 500, 400};
  const PlacementRect to{1000, -100, 122, 53};
  const auto frames = placement::transitionFrames(from, to);
  ASSERT_EQ(frames.size(), 10U);
  EXPECT_EQ(frames.front(), (PlacementRect{100, -10, 463, 366}));
  EXPECT_EQ(frames[4], (PlacementRect{500, -50, 311, 227}));
  EXPECT_EQ(frames.back(), to);
  EXPECT_TRUE(placement::transitionFrames(from, to, 0).empty());
}

}  // namespace
}  // namespace qp
