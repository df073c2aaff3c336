#include "ui/controls/CTEListBox.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace qp {
namespace {

constexpr int kClick = 0x806D;
constexpr int kRight = 0x8068;
constexpr int kDelete = 0x806A;
constexpr int kHover = 0x8078;
constexpr int kDrag = 0x8066;

// A list of 20 rows of 14 pixels in a 100 x 70 box (five rows visible).
class ListBoxTest : public testing::Test {
 protected:
  ListBoxTest() : spy(&list, &CTEListBox::posted) {
    list.resize(100, 70);
    list.setRowHeight(14);
    for (int i = 0; i < 20; ++i) {
      list.addItem(QStringLiteral("Note %1").arg(i));
    }
    list.setMessages({kClick, kRight, kDelete, kHover, kDrag});
    list.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&list));
  }

  QWidget* surface() { return list.viewport(); }
  // A point on row (of those visible), 10 pixels in.
  static QPoint onRow(int row) { return {10, row * 14 + 7}; }
  QList<QVariant> last() const { return spy.isEmpty() ? QList<QVariant>() : spy.last(); }
  static QList<QVariant> post(int message, int item, int extra) { return {message, item, extra}; }

  CTEListBox list;
  QSignalSpy spy;
};

TEST_F(ListBoxTest, ClickAndRightClickReportTheItem) {
  QTest::mouseClick(surface(), Qt::LeftButton, {}, onRow(2));
  EXPECT_EQ(last(), post(kClick, 2, 0));
  QTest::mouseClick(surface(), Qt::RightButton, {}, onRow(3));
  EXPECT_EQ(last(), post(kRight, 3, 0));
}

TEST_F(ListBoxTest, PressMovedTwoPixelsIsAClickThreeIsADrag) {
  struct Case {
    QPoint move;
    bool drag;
  };
  for (const Case& c : {Case{{2, 0}, false}, Case{{0, 2}, false}, Case{{2, 2}, false},
                        Case{{3, 0}, true}, Case{{0, -3}, true}}) {
    spy.clear();
    const QPoint start = onRow(1);
    QTest::mousePress(surface(), Qt::LeftButton, {}, start);
    QMouseEvent move(QEvent::MouseMove, QPointF(start + c.move),
                     surface()->mapToGlobal(QPointF(start + c.move)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(surface(), &move);
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, start + c.move);
    SCOPED_TRACE(c.drag);
    ASSERT_FALSE(spy.isEmpty());
    EXPECT_EQ(spy.first(), c.drag ? post(kDrag, 1, 1) : post(kClick, 1, 0));
    EXPECT_EQ(spy.count(), 1);
  }
}

TEST_F(ListBoxTest, HoverReportsTheItemOrMinusOneOutsideTheItems) {
  QListWidget* rows = &list;
  while (rows->count() > 3) {
    delete rows->takeItem(rows->count() - 1);
  }
  QTest::mouseMove(surface(), onRow(1));
  EXPECT_EQ(last(), post(kHover, 1, 0));
  QTest::mouseMove(surface(), onRow(4));  // below the last of three rows
  EXPECT_EQ(last(), post(kHover, -1, 0));
}

TEST_F(ListBoxTest, DeleteKeyReleasePosts) {
  list.setCurrentRow(4);
  QTest::keyClick(&list, Qt::Key_Delete);
  EXPECT_EQ(last(), post(kDelete, 4, 0));
}

TEST_F(ListBoxTest, EveryWheelNotchScrollsExactlyOneLine) {
  for (const int delta : {-120, -360, -15, -1}) {
    const int before = list.topIndex();
    QWheelEvent wheel(QPointF(10, 10), surface()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(surface(), &wheel);
    EXPECT_EQ(list.topIndex(), before + 1) << delta;
  }
  QWheelEvent up(QPointF(10, 10), surface()->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 480),
                 Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(surface(), &up);
  EXPECT_EQ(list.topIndex(), 3);
}

TEST_F(ListBoxTest, RowsGoToTheRowPainterAtTheRowHeight) {
  std::vector<std::pair<int, QRect>> painted;
  list.setRowPainter([&](QPainter& /*painter*/, const QRect& rect, int index, bool /*selected*/,
                         bool /*focused*/) { painted.emplace_back(index, rect); });
  list.viewport()->repaint();
  ASSERT_GE(painted.size(), 5U);
  EXPECT_EQ(painted[0].first, 0);
  EXPECT_EQ(painted[0].second.height(), 14);
  EXPECT_EQ(painted[1].second.top(), 14);
}

TEST_F(ListBoxTest, AccessibleAsAList) {
  list.setAccessibleName("Notes");
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&list);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->role(), QAccessible::List);
  EXPECT_EQ(face->text(QAccessible::Name), "Notes");
}

}  // namespace
}  // namespace qp
