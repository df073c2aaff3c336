// The tray's pieces under Qt: the menu's items and folder column, the icon's blink and tip,
// click-driven quick recording over the in-memory sound system, and the alarm timers.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>

#include "app/QtAlarmTimers.h"
#include "app/TrayIcon.h"
#include "app/TrayMenu.h"
#include "app/TrayQuickRecorder.h"
#include "common/MemorySettingsStore.h"
#include "support/FakeAudioUi.h"
#include "support/FakeProcessLauncher.h"
#include "support/MemoryAudioBackend.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"

namespace qp::app {
namespace {

bool pumpUntil(const std::function<bool()>& done) {
  return test::waitUntil([&] {
    QCoreApplication::processEvents();
    return done();
  });
}

TEST(TrayMenuTest, CommandsThenTheFolderColumnWithTheCurrentOneChecked) {
  const StringTable english(1033);
  TrayMenu menu(english);
  int opened = 0;
  int closed = 0;
  menu.setCommand(TrayMenu::Command::Open, [&] { ++opened; });
  menu.setCommand(TrayMenu::Command::Close, [&] { ++closed; });
  menu.setFolderSource([] { return TrayMenu::Folders{{"Alarms", "Business", "Personal"}, 2}; });
  menu.rebuild();
  const std::vector<QString> expected = {
      "&Open Quillophone...", "-", "&Close", "-", "Alarms", "Business", "*Personal"};
  EXPECT_EQ(menu.itemTexts(), expected);

  // Commands appear once they have an action, in their fixed places.
  menu.setCommand(TrayMenu::Command::Help, [] {});
  menu.setCommand(TrayMenu::Command::About, [] {});
  EXPECT_EQ(menu.itemTexts().at(1), QStringLiteral("&Help..."));
  EXPECT_EQ(menu.itemTexts().at(3), QStringLiteral("&About Quillophone..."));
  menu.setCommand(TrayMenu::Command::Help, {});
  EXPECT_EQ(menu.itemTexts().at(1), QStringLiteral("-"));

  QString chosen;
  QObject::connect(&menu, &TrayMenu::folderChosen, [&](const QString& name) { chosen = name; });
  EXPECT_TRUE(menu.trigger(QStringLiteral("Business")));
  EXPECT_EQ(chosen, QStringLiteral("Business"));
  EXPECT_TRUE(menu.trigger(QStringLiteral("&Open Quillophone...")));
  EXPECT_TRUE(menu.trigger(QStringLiteral("&Close")));
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(menu.trigger(QStringLiteral("&Erase Notes...")));

  menu.setFolderSource([] { return TrayMenu::Folders{}; });
  menu.rebuild();
  EXPECT_EQ(menu.itemTexts().back(), QStringLiteral("&Close"));
}

TEST(TrayIconTest, BlinkAlternatesTheFramesAndTheTipIsCut) {
  TrayIcon icon;
  EXPECT_EQ(icon.frame(), 0);
  icon.blink();
  EXPECT_EQ(icon.frame(), 1);
  icon.blink();
  EXPECT_EQ(icon.frame(), 0);
  icon.blink();
  icon.restore();
  EXPECT_EQ(icon.frame(), 0);
  icon.setTip(QString(200, QLatin1Char('x')));
  EXPECT_EQ(icon.tip().size(), TrayIcon::kMaxTipLength);
}

class TrayQuickRecorderTest : public testing::Test {
 protected:
  TrayQuickRecorderTest() {
    settings_.writeNumber("Quality", 0);
    settings_.writeNumber("Silkvoice", 0);
    settings_.writeNumber("CheckForSilence", 0);
    settings_.writeText("DefFolder", "Personal");
    std::filesystem::create_directories(dir_.path() / "Personal");
    backend_.setCaptureSource(std::vector<std::uint8_t>(64000, 0x10));
    options_.bufferWaitMs = 20;
  }
  // Runs both the core's posted tasks and Qt's queued calls until done holds.
  bool runUntil(const std::function<bool()>& done) {
    return pumpUntil([&] {
      ui_.runPending();
      return done();
    });
  }

  test::TempDir dir_;
  test::MemoryAudioBackend backend_;
  test::FakeUiServices ui_;
  MemorySettingsStore settings_;
  test::FakeFiler filer_;
  test::FakeProcessLauncher launcher_;
  NoAudioDialog noAudio_{ui_, settings_, launcher_, MicrophoneWizardSources{}};
  RecorderOptions options_;
  TrayIcon icon_;
};

TEST_F(TrayQuickRecorderTest, AClickStartsTheNextStopsAndTheIconComesBack) {
  TrayQuickRecorder quick({backend_, ui_, settings_, filer_, noAudio_}, dir_.path().string(),
                          &icon_, options_);
  quick.setRestingTip(QStringLiteral("resting"));
  std::vector<QString> times;
  QObject::connect(&quick, &TrayQuickRecorder::timeShown,
                   [&](const QString& text) { times.push_back(text); });
  QString finished = QStringLiteral("none");
  QObject::connect(&quick, &TrayQuickRecorder::finished,
                   [&](const QString& path) { finished = path; });

  ASSERT_TRUE(quick.click());
  EXPECT_TRUE(quick.recording());
  EXPECT_TRUE(quick.buttonsHeld()) << "held from the first click until the second";
  ASSERT_TRUE(runUntil([&] { return times.size() >= 2; }));
  EXPECT_TRUE(times.front().startsWith(QStringLiteral("Personal - 0:0")));
  EXPECT_FALSE(quick.click());
  EXPECT_FALSE(quick.recording());
  EXPECT_FALSE(quick.buttonsHeld());
  EXPECT_EQ(icon_.frame(), 0);
  EXPECT_EQ(icon_.tip(), QStringLiteral("resting"));
  ASSERT_EQ(filer_.filed.size(), 1U);
  EXPECT_EQ(finished.toStdString(), filer_.filed.front());
  const std::string expectedFolder = (dir_.path() / "Personal").string() + "/";
  EXPECT_EQ(filer_.filed.front().rfind(expectedFolder, 0), 0U) << filer_.filed.front();
}

TEST_F(TrayQuickRecorderTest, ABusyMainWindowOrAMissingMicrophoneRefusesTheClick) {
  TrayQuickRecorder quick({backend_, ui_, settings_, filer_, noAudio_}, dir_.path().string(),
                          nullptr, options_);
  quick.setBusyCheck([] { return true; });
  EXPECT_FALSE(quick.click());
  EXPECT_FALSE(quick.buttonsHeld());
  quick.setBusyCheck({});
  backend_.setRefuseOpen(4);
  EXPECT_FALSE(quick.click());
  EXPECT_FALSE(quick.recording());
  EXPECT_EQ(ui_.messages.size(), 1U) << "the microphone message";
}

TEST_F(TrayQuickRecorderTest, NewNotesGoToTheCurrentFolderUnderAFreshName) {
  TrayQuickRecorder quick({backend_, ui_, settings_, filer_, noAudio_}, dir_.path().string(),
                          nullptr, options_);
  const std::string first = quick.newNotePath();
  EXPECT_EQ(first.rfind((dir_.path() / "Personal").string() + "/", 0), 0U);
  EXPECT_TRUE(first.ends_with(".wav"));
  test::writeFileBytes(first, {0});
  const std::string second = quick.newNotePath();
  EXPECT_NE(second, first);
  EXPECT_TRUE(second.ends_with(" (2).wav")) << second;
}

TEST(QtAlarmTimersTest, TimersFireRepeatedlyUntilKilledEvenFromTheirOwnHandler) {
  QtAlarmTimers timers;
  std::map<int, int> fired;
  timers.setHandler([&](int id) {
    ++fired[id];
    if (id == 2 && fired[id] == 3) {
      timers.killTimer(2);
      timers.setTimer(5, 1);
    }
  });
  timers.setTimer(1, 2);
  timers.setTimer(2, 1);
  EXPECT_EQ(timers.activeCount(), 2U);
  EXPECT_EQ(timers.intervalOf(1), 2);
  ASSERT_TRUE(pumpUntil([&] { return fired[5] >= 2 && fired[1] >= 2; }));
  EXPECT_EQ(fired[2], 3);
  EXPECT_EQ(timers.intervalOf(2), -1);
  timers.setTimer(1, 60000);  // restarting keeps one timer with the new interval
  EXPECT_EQ(timers.intervalOf(1), 60000);
  timers.killTimer(1);
  timers.killTimer(5);
  timers.killTimer(99);  // unknown: nothing happens
  EXPECT_EQ(timers.activeCount(), 0U);
}

}  // namespace
}  // namespace qp::app
