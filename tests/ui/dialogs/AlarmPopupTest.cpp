#include "ui/dialogs/AlarmPopup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <memory>
#include <vector>

#include "common/MemorySettingsStore.h"
#include "support/FakeClock.h"
#include "support/ScopedTimeZone.h"
#include "support/WaitUntil.h"
#include "ui/dialogs/AlarmPopupLayout.h"

namespace qp {
namespace {

// 2026-03-02 15:30:15 UTC
constexpr std::int64_t kAlarmTime = 1772465415;

NoteEntry ringingNote(const std::string& message) {
  NoteEntry note;
  note.path = "/notes/Personal/Memo.wav";
  note.displayName = "Memo";
  AlarmRecord alarm;
  alarm.setMessage(message);
  note.alarm = alarm;
  return note;
}

bool processUntil(const std::function<bool()>& done) {
  return test::waitUntil([&] {
    QApplication::processEvents();
    return done();
  });
}

class AlarmPopupTest : public testing::Test {
 protected:
  QRect workArea() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

  test::ScopedTimeZone utc_{"UTC"};
  test::FakeClock clock_{kAlarmTime};
  MemorySettingsStore settings_;
};

TEST_F(AlarmPopupTest, ShowsMessageOrNameClockAndFlashWithoutTakingTheFocus) {
  QWidget typing;
  typing.show();
  typing.activateWindow();
  AlarmPopup popup(ringingNote(""), settings_, clock_);
  EXPECT_EQ(popup.lines(), QStringList{"Memo"});
  popup.open();
  EXPECT_TRUE(popup.isVisible());
  EXPECT_TRUE(popup.testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_TRUE(popup.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(popup.isActiveWindow());
  EXPECT_EQ(popup.windowTitle(), AlarmPopup::kWindowTitle);
  EXPECT_EQ(popup.clockTime(), QTime(15, 30, 15));
  EXPECT_FALSE(popup.mask().isEmpty());
  EXPECT_FALSE(popup.mask().contains(QPoint(0, 0)));  // the corner is cut away
  const bool phase = popup.flashPhase();
  ASSERT_TRUE(processUntil([&] { return popup.flashPhase() != phase; }));
  clock_.advance(5);
  ASSERT_TRUE(processUntil([&] { return popup.clockTime() == QTime(15, 30, 20); }));
  popup.closeButton()->click();
  EXPECT_TRUE(popup.isFinished());
  EXPECT_FALSE(popup.result().snooze);

  AlarmPopup withMessage(ringingNote("Call the dentist before noon"), settings_, clock_);
  EXPECT_EQ(withMessage.lines().join(' '), "Call the dentist before noon");
}

TEST_F(AlarmPopupTest, SnoozeMinutesAreReadAndKeptByEitherButton) {
  struct Row {
    bool snooze;
    QString typed;
    int minutes;
  };
  for (const Row& row : std::vector<Row>{{true, "15", 15}, {false, "15", 15}, {true, "", 0}}) {
    AlarmPopup popup(ringingNote("x"), settings_, clock_);
    popup.open();
    popup.minutesEdit()->setText(row.typed);
    (row.snooze ? popup.snoozeButton() : popup.closeButton())->click();
    EXPECT_EQ(popup.result().snooze, row.snooze);
    EXPECT_EQ(popup.result().snoozeMinutes, row.minutes);
    EXPECT_EQ(settings_.readNumber("PlayAgain", -1), row.minutes);
  }
  AlarmPopup next(ringingNote("x"), settings_, clock_);
  EXPECT_EQ(next.minutesEdit()->text(), "0");
  settings_.removeValue("PlayAgain");
  AlarmPopup fresh(ringingNote("x"), settings_, clock_);
  EXPECT_EQ(fresh.minutesEdit()->text(), "10");
}

TEST_F(AlarmPopupTest, PopupsStackAndOnlyTheFirstRemembersWhereItWasLeft) {
  const QPoint stored = workArea().topLeft() + QPoint(40, 60);
  settings_.writeText(
      "AlarmPos", AlarmPopupLayout::formatPosition(QRect(stored, QSize(300, 150))).toStdString());
  std::vector<std::unique_ptr<AlarmPopup>> popups;
  for (int i = 0; i < 3; ++i) {
    popups.push_back(std::make_unique<AlarmPopup>(ringingNote("x"), settings_, clock_));
    popups.back()->open();
    EXPECT_EQ(popups.back()->popupIndex(), i);
    EXPECT_EQ(popups.back()->placedRect().topLeft(), stored + QPoint(25 * i, 45 * i));
  }
  EXPECT_EQ(AlarmPopup::openPopups(), 3);
  const std::string before = settings_.readText("AlarmPos", "");
  popups[1]->move(popups[1]->pos() + QPoint(100, 0));
  popups[1]->closeButton()->click();
  EXPECT_EQ(settings_.readText("AlarmPos", ""), before);
  popups[2]->closeButton()->click();  // not moved
  EXPECT_EQ(settings_.readText("AlarmPos", ""), before);
  popups[0]->move(stored + QPoint(7, 9));
  popups[0]->closeButton()->click();
  EXPECT_EQ(
      AlarmPopupLayout::parsePosition(QString::fromStdString(settings_.readText("AlarmPos", ""))),
      QRect(stored + QPoint(7, 9), QSize(300, 150)));
  EXPECT_EQ(AlarmPopup::openPopups(), 0);
}

TEST_F(AlarmPopupTest, ExecWaitsWhileEventsGoOnUntilClosed) {
  AlarmPopup popup(ringingNote("x"), settings_, clock_);
  bool otherTimerRan = false;
  QTimer::singleShot(20, [&] { otherTimerRan = true; });
  QTimer::singleShot(60, [&] { popup.snoozeButton()->click(); });
  const AlarmPopupResult result = popup.exec();
  EXPECT_TRUE(otherTimerRan);
  EXPECT_TRUE(result.snooze);
  EXPECT_EQ(result.snoozeMinutes, 10);
}

}  // namespace
}  // namespace qp
