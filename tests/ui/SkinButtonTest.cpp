#include "ui/controls/SkinButton.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace qp {
namespace {

using Face = SkinButton::Face;
using Mode = SkinButton::ToggleMode;

QPixmap solid(QColor colour, QSize size = {20, 20}) {
  QPixmap pixmap(size);
  pixmap.fill(colour);
  return pixmap;
}

const QColor kNormal(10, 10, 10);
const QColor kFocused(20, 40, 60);
const QColor kToggled(200, 120, 0);
const QColor kPressed(0, 0, 90);
const QColor kDisabled(90, 90, 90);
const QColor kGlyph(250, 250, 250);

SkinButton::Faces allFaces() {
  return {solid(kNormal), solid(kFocused), solid(kToggled), solid(kPressed), solid(kDisabled)};
}

QColor pixelAt(QWidget& widget, QPoint point) {
  return widget.grab().toImage().pixelColor(point);
}

TEST(SkinButtonFaceRule, ChoosesTheFaceOfEachState) {
  struct Case {
    bool enabled, hasDisabled, down, focused;
    Mode mode;
    bool toggled;
    Face expected;
  };
  const Case cases[] = {
      {false, true, false, false, Mode::None, false, Face::Disabled},
      {false, false, true, true, Mode::None, false, Face::None},
      {true, true, true, false, Mode::Toggle, true, Face::Pressed},
      {true, true, false, false, Mode::None, true, Face::Normal},
      {true, true, false, false, Mode::Toggle, true, Face::Toggled},
      {true, true, false, false, Mode::Toggle, false, Face::Normal},
      {true, true, false, false, Mode::Inverse, false, Face::Toggled},
      {true, true, false, false, Mode::Inverse, true, Face::Normal},
      {true, true, false, true, Mode::None, false, Face::Focused},
      {true, true, false, true, Mode::Toggle, true, Face::Pressed},
      {true, true, false, true, Mode::Inverse, false, Face::Pressed},
      {true, true, false, true, Mode::Inverse, true, Face::Focused},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(
        SkinButton::chooseFace(c.enabled, c.hasDisabled, c.down, c.focused, c.mode, c.toggled),
        c.expected)
        << c.enabled << c.hasDisabled << c.down << c.focused << static_cast<int>(c.mode)
        << c.toggled;
  }
}

TEST(SkinButton, PaintsTheFaceOfItsStateAndTakesItsSize) {
  SkinButton button;
  button.setFaces(allFaces());
  EXPECT_EQ(button.size(), QSize(20, 20));
  EXPECT_EQ(pixelAt(button, {2, 2}), kNormal);
  button.setToggleMode(Mode::Toggle);
  button.setToggledOn(true);
  EXPECT_EQ(pixelAt(button, {2, 2}), kToggled);
  button.setDown(true);
  EXPECT_EQ(pixelAt(button, {2, 2}), kPressed);
  button.setDown(false);
  button.setEnabled(false);
  EXPECT_EQ(pixelAt(button, {2, 2}), kDisabled);
}

TEST(SkinButton, FocusedFaceWhileFocused) {
  QWidget window;
  auto* button = new SkinButton(&window);
  button->setFaces(allFaces());
  window.show();
  QApplication::setActiveWindow(&window);
  button->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return button->hasFocus(); }));
  EXPECT_EQ(button->currentFace(), Face::Focused);
  EXPECT_EQ(pixelAt(*button, {2, 2}), kFocused);
}

TEST(SkinButton, DisabledWithoutDisabledFaceDrawsNothingButKeepsItsPlace) {
  QWidget parent;
  parent.resize(40, 40);
  parent.setAutoFillBackground(true);
  QPalette colours;
  colours.setColor(QPalette::Window, QColor(0, 200, 0));
  parent.setPalette(colours);
  auto* button = new SkinButton(&parent);
  SkinButton::Faces faces = allFaces();
  faces.disabled = QPixmap();
  button->setFaces(faces);
  button->move(10, 10);
  button->setEnabled(false);
  const QImage picture = parent.grab().toImage();
  EXPECT_EQ(picture.pixelColor(15, 15), QColor(0, 200, 0));
  EXPECT_EQ(button->geometry(), QRect(10, 10, 20, 20));
  EXPECT_FALSE(button->isHidden());
}

TEST(SkinButton, GlyphIsCentredAndMovesOnePixelWhenPressed) {
  SkinButton button;
  button.setFaces(allFaces());
  QPixmap glyph(4, 4);
  glyph.fill(kGlyph);
  button.setGlyph(glyph, {-1, -1}, {2, 0});
  // Centred: (8, 8) to (11, 11), moved 2 right by the offset.
  QImage up = button.grab().toImage();
  EXPECT_EQ(up.pixelColor(10, 8), kGlyph);
  EXPECT_EQ(up.pixelColor(9, 8), kNormal);
  EXPECT_EQ(up.pixelColor(13, 11), kGlyph);
  button.setDown(true);
  QImage down = button.grab().toImage();
  EXPECT_EQ(down.pixelColor(10, 8), kPressed);
  EXPECT_EQ(down.pixelColor(11, 9), kGlyph);
  EXPECT_EQ(down.pixelColor(14, 12), kGlyph);
  button.setDown(false);
  button.setEnabled(false);  // faded over the disabled face
  const QColor faded = button.grab().toImage().pixelColor(10, 8);
  EXPECT_GT(faded.red(), kDisabled.red());
  EXPECT_LT(faded.red(), kGlyph.red());
}

TEST(SkinButton, SampleColourOfTheFacesIsSeeThrough) {
  QWidget parent;
  parent.resize(30, 30);
  parent.setAutoFillBackground(true);
  QPalette colours;
  colours.setColor(QPalette::Window, QColor(0, 200, 0));
  parent.setPalette(colours);
  auto* button = new SkinButton(&parent);
  QPixmap face = solid(QColor(255, 0, 255));
  QPainter painter(&face);
  painter.fillRect(5, 5, 10, 10, kNormal);
  painter.end();
  button->setFaces({face, face, face, face, face}, QPoint(0, 0));
  const QImage picture = parent.grab().toImage();
  EXPECT_EQ(picture.pixelColor(1, 1), QColor(0, 200, 0));
  EXPECT_EQ(picture.pixelColor(8, 8), kNormal);
}

TEST(SkinButton, WithoutAMessageOnlyTheLeftButtonClicks) {
  SkinButton button;
  button.setFaces(allFaces());
  QSignalSpy clicks(&button, &QAbstractButton::clicked);
  QSignalSpy notes(&button, &SkinButton::notify);
  QTest::mousePress(&button, Qt::LeftButton, {}, {5, 5});
  EXPECT_EQ(button.currentFace(), Face::Pressed);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, {5, 5});
  QTest::mousePress(&button, Qt::RightButton, {}, {5, 5});
  QTest::mouseRelease(&button, Qt::RightButton, {}, {5, 5});
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(notes.count(), 0);
}

TEST(SkinButton, PushAndHoldNotificationsCarryTheButtonAndTransition) {
  SkinButton button;
  button.setFaces(allFaces());
  button.setNotification(0x8069);
  QSignalSpy notes(&button, &SkinButton::notify);
  QSignalSpy clicks(&button, &QAbstractButton::clicked);
  QTest::mousePress(&button, Qt::LeftButton, {}, {5, 5});
  QTest::mouseRelease(&button, Qt::LeftButton, {}, {5, 5}, 600);  // held, then let go
  QTest::mousePress(&button, Qt::RightButton, {}, {5, 5});
  QTest::mouseRelease(&button, Qt::RightButton, {}, {5, 5});
  const QList<QList<QVariant>> expected = {
      {0x8069, 1, 0}, {0x8069, 2, 0}, {0x8069, 0, 1}, {0x8069, 0, 2}};
  ASSERT_EQ(notes.count(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(notes.at(i), expected.at(i)) << i;
  }
  EXPECT_EQ(clicks.count(), 1);
}

TEST(SkinButton, HoverTakesFocusAndMovesAreForwarded) {
  QWidget window;
  window.resize(100, 100);
  auto* button = new SkinButton(&window);
  button->setFaces(allFaces());
  button->move(30, 40);
  auto* target = new QWidget(&window);
  target->setGeometry(0, 0, 100, 100);
  target->lower();
  target->setMouseTracking(true);
  button->setFocusOnHover(true);
  button->setMoveTarget(target);
  window.show();
  QApplication::setActiveWindow(&window);
  struct MoveSpy : QObject {
    QPoint last{-1, -1};
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
      if (event->type() == QEvent::MouseMove) {
        last = static_cast<QMouseEvent*>(event)->position().toPoint();
      }
      return false;
    }
  } spy;
  target->installEventFilter(&spy);
  QTest::mouseMove(button, {5, 6});
  ASSERT_TRUE(QTest::qWaitFor([&] { return button->hasFocus(); }));
  EXPECT_EQ(spy.last, QPoint(35, 46));
}

TEST(SkinButton, AccessibleAsAButtonByItsName) {
  SkinButton button;
  button.setAccessibleName("Play selected note(s)");
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&button);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->role(), QAccessible::Button);
  EXPECT_EQ(face->text(QAccessible::Name), "Play selected note(s)");
}

}  // namespace
}  // namespace qp
