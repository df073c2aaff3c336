// The smaller skinned controls: text, knob slider, tooltip window, level meter, volume knob.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <array>

#include "devices/LevelMeterLogic.h"
#include "devices/VolumeKnobLogic.h"
#include "ui/controls/CTEText.h"
#include "ui/controls/CTEVolumeKnob.h"
#include "ui/controls/KnobSlider.h"
#include "ui/controls/LevelMeterWidget.h"
#include "ui/controls/SkinToolTip.h"

namespace qp {
namespace {

QPixmap solid(QColor colour, QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(colour);
  return pixmap;
}

TEST(CTEText, PaintsItsColoursAndIsStaticText) {
  CTEText text;
  text.resize(60, 14);
  text.setText("Folder");
  text.setTextColour(Qt::white);
  text.setBackgroundColour(QColor(0, 0, 128));
  EXPECT_EQ(text.grab().toImage().pixelColor(58, 1), QColor(0, 0, 128));
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&text);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->role(), QAccessible::StaticText);
}

class KnobSliderTest : public testing::Test {
 protected:
  KnobSliderTest() : spy(&knob, &KnobSlider::positionReported) {
    knob.setRange(0, 10);
    knob.setCookie(77);
    knob.setBitmaps(solid(Qt::darkGray, {110, 14}), solid(Qt::red, {10, 14}),
                    solid(Qt::blue, {10, 14}));
    knob.resize(110, 14);  // 100 pixels of travel: 10 per position
  }
  KnobSlider knob;
  QSignalSpy spy;
};

TEST_F(KnobSliderTest, PressMovesTheThumbToThePointAndDragsIt) {
  QTest::mousePress(&knob, Qt::LeftButton, {}, {75, 7});
  EXPECT_EQ(knob.value(), 7);
  QMouseEvent move(QEvent::MouseMove, QPointF(25, 7), knob.mapToGlobal(QPointF(25, 7)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&knob, &move);
  EXPECT_EQ(knob.value(), 2);
  QTest::mouseRelease(&knob, Qt::LeftButton, {}, {25, 7});
  EXPECT_FALSE(knob.isSliderDown());
  EXPECT_EQ(knob.thumbRect(), QRect(20, 0, 10, 14));
}

TEST_F(KnobSliderTest, ReportsEachChangeOnceWithTheCookie) {
  knob.setValue(4);
  knob.setValue(4);
  QTest::mousePress(&knob, Qt::LeftButton, {}, {45, 7});  // already at 4
  QTest::mouseRelease(&knob, Qt::LeftButton, {}, {45, 7});
  knob.setValue(9);
  ASSERT_EQ(spy.count(), 2);
  EXPECT_EQ(spy.at(0), (QList<QVariant>{4, 77}));
  EXPECT_EQ(spy.at(1), (QList<QVariant>{9, 77}));
}

TEST_F(KnobSliderTest, ThumbPictureFollowsTheFocus) {
  knob.setValue(0);
  EXPECT_EQ(knob.grab().toImage().pixelColor(5, 7), QColor(Qt::red));
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&knob);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->role(), QAccessible::Slider);
}

class ToolTipTest : public testing::Test {
 protected:
  ToolTipTest() { tip.setIntervals(30, 60); }
  SkinToolTip tip;
};

TEST_F(ToolTipTest, ShowsAfterTheDelayAndHidesByItself) {
  tip.setTipText("Record");
  tip.showAfterDelay();
  EXPECT_FALSE(tip.isVisible());
  EXPECT_TRUE(tip.delayRunning());
  ASSERT_TRUE(QTest::qWaitFor([&] { return tip.isVisible(); }, 5000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !tip.isVisible(); }, 5000));
}

TEST_F(ToolTipTest, StaysWithoutAHideTime) {
  tip.setIntervals(0, 0);
  tip.setTipText("Play", true);
  EXPECT_TRUE(tip.isVisible());
  QTest::qWait(80);  // longer than any timer this tip could have running
  EXPECT_TRUE(tip.isVisible());
}

TEST_F(ToolTipTest, NewTextOrHidingCancelsTheDelay) {
  tip.setTipText("Record");
  tip.showAfterDelay();
  tip.setTipText("Stop");
  EXPECT_FALSE(tip.delayRunning());
  tip.showAfterDelay();
  tip.hideTip();
  EXPECT_FALSE(tip.delayRunning());
  EXPECT_FALSE(tip.isVisible());
}

TEST_F(ToolTipTest, SwitchedOffShowsNothing) {
  tip.setActive(false);
  tip.setTipText("Record", true);
  EXPECT_FALSE(tip.isVisible());
  tip.showAfterDelay();
  EXPECT_FALSE(tip.delayRunning());
  tip.setActive(true);
  tip.showAtOnce();
  EXPECT_TRUE(tip.isVisible());
  tip.setActive(false);
  EXPECT_FALSE(tip.isVisible());
}

TEST(LevelMeterWidget, LightsUpToTheLogicsSegment) {
  LevelMeterLogic logic(8);
  LevelMeterWidget meter(logic);
  meter.resize(70, 8);
  meter.setBitmaps(solid(Qt::black, {70, 8}), solid(Qt::green, {70, 8}));
  EXPECT_TRUE(meter.litRect(0).isEmpty());
  EXPECT_EQ(meter.litRect(7), QRect(0, 0, 70, 8));
  logic.SetLevel(32768);
  meter.refresh();
  QImage full = meter.grab().toImage();
  EXPECT_EQ(full.pixelColor(69, 4), QColor(Qt::green));
  logic.SetLevel(-1);
  meter.refresh();
  EXPECT_EQ(meter.grab().toImage().pixelColor(1, 4), QColor(Qt::black));
  meter.setVertical(true);
  EXPECT_EQ(meter.litRect(7), QRect(0, 0, 70, 8));
  EXPECT_EQ(meter.litRect(1).bottom(), 7);
}

TEST(CTEVolumeKnob, DrawsTheFrameOfThePositionAndTurnsTheLogic) {
  VolumeKnobLogic logic(MixerDirection::Playback, 4);
  CTEVolumeKnob knob(logic);
  QPixmap strip(40, 10);
  const std::array<QColor, 4> colours = {Qt::black, Qt::red, Qt::green, Qt::blue};
  {
    QPainter painter(&strip);
    for (int i = 0; i < 4; ++i) {
      painter.fillRect(i * 10, 0, 10, 10, colours.at(static_cast<std::size_t>(i)));
    }
  }
  knob.setFrames(strip);
  knob.resize(10, 10);
  QSignalSpy turned(&knob, &CTEVolumeKnob::turned);
  knob.setValue(2);
  EXPECT_EQ(logic.position(), 2);
  EXPECT_EQ(knob.grab().toImage().pixelColor(5, 5), QColor(Qt::green));
  ASSERT_EQ(turned.count(), 1);
  EXPECT_EQ(turned.at(0), (QList<QVariant>{0, 2}));
  logic.turnTo(3);
  knob.refresh();
  EXPECT_EQ(knob.value(), 3);
  EXPECT_EQ(turned.count(), 1);
  EXPECT_EQ(knob.grab().toImage().pixelColor(5, 5), QColor(Qt::blue));
}

}  // namespace
}  // namespace qp
