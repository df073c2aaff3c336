#include "ui/dialogs/AlarmPopupLayout.h"

#include <gtest/gtest.h>

#include <QString>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace qp {
namespace {

using Layout = AlarmPopupLayout;
constexpr QSize kPopup{300, 150};

TEST(AlarmPopupLayout, PlacementOverScreenLayouts) {
  const QRect single(0, 0, 1920, 1040);  // panel at the bottom
  const QRect left(0, 0, 1280, 1024);
  const QRect right(1280, 200, 1920, 1080);  // lower, to the right
  const QRect topPanel(0, 32, 1366, 736);
  struct Row {
    const char* what;
    std::optional<QRect> stored;
    int index;
    QList<QRect> areas;
    QPoint expected;
  };
  const std::vector<Row> rows{
      {"where it was left", QRect(100, 200, 999, 999), 0, {single}, {100, 200}},
      {"third popup cascades twice", QRect(100, 200, 300, 150), 2, {single}, {150, 290}},
      {"no stored place: centred", std::nullopt, 0, {single}, {810, 445}},
      {"off the right edge", QRect(1800, 100, 300, 150), 0, {single}, {1620, 100}},
      {"cascade held at the bottom", QRect(100, 850, 300, 150), 2, {single}, {150, 890}},
      {"above the top panel", QRect(10, 0, 300, 150), 0, {topPanel}, {10, 32}},
      {"on the second screen", QRect(2000, 300, 300, 150), 1, {left, right}, {2025, 345}},
      {"screen unplugged: nearest kept", QRect(4000, 500, 300, 150), 0, {left, right}, {2900, 500}},
      {"in the gap above the lower screen",
       QRect(1500, 0, 300, 150),
       0,
       {left, right},
       {1500, 200}},
      {"far above everything", QRect(200, -900, 300, 150), 0, {left, right}, {200, 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const QRect placed = Layout::place(kPopup, row.stored, row.index, row.areas);
    EXPECT_EQ(placed.topLeft(), row.expected);
    EXPECT_EQ(placed.size(), kPopup);
  }
}

TEST(AlarmPopupLayout, StoredPositionText) {
  EXPECT_EQ(Layout::parsePosition("10,-20,300,150"), QRect(10, -20, 300, 150));
  EXPECT_EQ(Layout::parsePosition(" 1, 2, 3, 4"), QRect(1, 2, 3, 4));
  for (const char* bad : {"", "1,2,3", "1,2,3,4,5", "a,b,c,d", "1,2,0,4", "1,2,3,-4"}) {
    EXPECT_FALSE(Layout::parsePosition(bad).has_value()) << bad;
  }
  EXPECT_EQ(Layout::formatPosition(QRect(-5, 7, 300, 150)), "-5,7,300,150");
}

TEST(AlarmPopupLayout, ClockHands) {
  // 3:30:15
  EXPECT_EQ(Layout::hourAngle(3, 30), 105);
  EXPECT_EQ(Layout::minuteAngle(30), 180);
  EXPECT_EQ(Layout::secondAngle(15), 90);
  EXPECT_EQ(Layout::hourAngle(15, 59), 119);  // the afternoon on the same face
  struct Row {
    int angle;
    int length;
    QPoint end;
  };
  // Ends truncated towards the centre's side; straight hands within a pixel of the exact point.
  for (const Row& row : std::vector<Row>{{90, 35, {91, 67}},
                                         {180, 40, {56, 107}},
                                         {270, 40, {16, 67}},
                                         {0, 40, {56, 27}},
                                         {45, 40, {84, 38}}}) {
    const QLine hand = Layout::hand(row.angle, row.length);
    EXPECT_EQ(hand.p1(), Layout::kClockCentre);
    EXPECT_LE(std::abs(hand.p2().x() - row.end.x()), 1) << row.angle;
    EXPECT_LE(std::abs(hand.p2().y() - row.end.y()), 1) << row.angle;
  }
  EXPECT_EQ(Layout::hand(90, 35).p2(), QPoint(91, 67));
  for (int angle : {46, 90, 134, 256, 300, 314}) {
    EXPECT_TRUE(Layout::shadeVertically(angle)) << angle;
  }
  for (int angle : {0, 45, 135, 180, 255, 315, 354}) {
    EXPECT_FALSE(Layout::shadeVertically(angle)) << angle;
  }
}

TEST(AlarmPopupLayout, MessageBreaksIntoAtMostThreeLinesOfWholeWords) {
  const auto chars = [](const QString& text) { return static_cast<int>(text.size()); };
  struct Row {
    QString text;
    int width;
    QStringList lines;
  };
  const std::vector<Row> rows{
      {"Dentist", 10, {"Dentist"}},
      {"", 10, {}},
      {"call the dentist now", 20, {"call the dentist now"}},
      {"call the dentist now", 9, {"call the", "dentist", "now"}},
      {"one two three four five six", 9, {"one two", "three", "four five six"}},
      {"averyveryverylongword next", 5, {"averyveryverylongword", "next"}},
      {"trailing   blanks   go", 8, {"trailing", "blanks", "go"}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Layout::breakLines(row.text, row.width, chars), row.lines) << row.text.toStdString();
  }
}

}  // namespace
}  // namespace qp
