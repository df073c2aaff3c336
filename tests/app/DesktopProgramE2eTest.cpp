// quillophone as a user runs it, on a display of the test's own (Xvfb and openbox) with the
// private sound server: the first start opens its window, a second start brings it up and
// ends, /kill ends the first, /tray with OnTray=0 does nothing, and quick recording through
// the tray's click path files a note. Bare Xvfb has no notification area, so there the clicks
// reach the program as the tray event message on its instance socket, which is where the
// tray's own clicks go too; with a small X11 tray (trayer) the mouse clicks the real icon.
// Screenshots land in <build>/tests/artefacts.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "app/SingleInstance.h"
#include "audio/wave/WaveFileReader.h"
#include "support/BackgroundCommand.h"
#include "support/ProcessRunner.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"
#include "support/WavFixtures.h"
#include "support/XSession.h"

namespace qp::app {
namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* kTitle = "^Quillophone$";

class DesktopProgramE2eTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!test::XSession::available()) {
      GTEST_SKIP() << "Xvfb, openbox, xdotool or ImageMagick missing";
    }
    ASSERT_TRUE(x_.ready()) << "Xvfb with openbox did not start";
    env_.set("DISPLAY", x_.display());
    test::writeCliSettings(config(), "AskForName=0\nQuality=0\nCheckForSilence=0\nOnTray=1\n");
  }
  std::string config() const { return dir_.file("config"); }
  std::string notes() const { return dir_.file("notes"); }
  std::string command(const std::string& arguments) const {
    const char* program = std::getenv("QP_DESKTOP");
    return "HOME=" + test::shellQuote(dir_.file("home")) + " LC_ALL=C " +
           test::cliHomeEnvironment(config(), notes()) + x_.environment() + "exec " +
           test::shellQuote(program != nullptr ? program : "quillophone") + " " + arguments;
  }
  std::unique_ptr<test::BackgroundCommand> startFirst() {
    auto first = std::make_unique<test::BackgroundCommand>(command(""));
    EXPECT_TRUE(test::waitUntil([&] { return !x_.visibleWindows(kTitle).empty(); }))
        << first->errorsSoFar();
    return first;
  }
  void screenshot(const std::string& name) const {
    EXPECT_TRUE(x_.screenshot(test::XSession::artefactsFolder() + "/" + name + ".png"));
  }
  // The longest note of the Personal folder in bytes.
  std::uintmax_t longestNote() const {
    std::uintmax_t longest = 0;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(notes()) / "Personal", ec)) {
      longest = std::max(longest, entry.file_size(ec));
    }
    return longest;
  }
  // A filed note of Personal with at least a second of sound (8-bit rate 11025 Hz, 16-bit).
  std::string filedNote() const {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(notes()) / "Personal", ec)) {
      WaveFileReader reader;
      if (entry.path().extension() == ".wav" && reader.open(entry.path().string()) &&
          reader.dataSize() >= 2 * 11025) {
        return entry.path().string();
      }
    }
    return {};
  }
  bool sendTrayClick() const {
    return SingleInstance().sendToRunning(InstanceMessage::trayClick(InstanceMessage::kLeftClick));
  }

  test::TempDir dir_;
  test::XSession x_;
  test::ScopedEnvironment env_;
};

TEST_F(DesktopProgramE2eTest, ASecondStartBringsTheWindowUpAndKillEndsTheFirst) {
  auto first = startFirst();
  ASSERT_EQ(x_.visibleWindows(kTitle).size(), 1U);
  screenshot("desktop-first-start");
  EXPECT_TRUE(fs::is_directory(notes() + "/Personal"));

  const std::string window = x_.visibleWindows(kTitle).front();
  x_.xdotool("windowminimize " + window);
  ASSERT_TRUE(test::waitUntil([&] { return x_.visibleWindows(kTitle).empty(); }));

  const auto started = Clock::now();
  const test::ProcessResult second = test::runCommand(command(""));
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
  EXPECT_EQ(second.exitCode, 0) << second.err;
  std::printf("second start ended after %lld ms\n", static_cast<long long>(took.count()));
  EXPECT_LT(took.count(), 5000) << "the hand-over is meant to take well under 200 ms";
  ASSERT_TRUE(test::waitUntil([&] { return x_.visibleWindows(kTitle).size() == 1; }))
      << "the first instance's window came back";
  EXPECT_FALSE(first->hasEnded());
  EXPECT_TRUE(x_.screenshot(test::XSession::artefactsFolder() + "/desktop-second-start.png",
                            x_.visibleWindows(kTitle).front()));

  EXPECT_EQ(test::runCommand(command("/KILL")).exitCode, 0);
  EXPECT_TRUE(test::waitUntil([&] { return first->hasEnded(); }));
  EXPECT_TRUE(x_.visibleWindows(kTitle).empty());
  EXPECT_EQ(first->stop(SIGKILL).exitCode, 0);
}

TEST_F(DesktopProgramE2eTest, SilentUninstallEndsTheRunningOneAndKeepsTheNotes) {
  auto first = startFirst();
  const std::string settings = config() + "/Tolvane Electronics/TolvaneQP.conf";
  const std::string autostart = config() + "/autostart/quillophone.desktop";
  ASSERT_TRUE(fs::exists(autostart)) << "OnTray=1 writes the log-on entry";
  test::writeFileBytes(notes() + "/Personal/Kept.wav",
                       test::simpleWav(1, 8000, 16, test::Bytes(1600, 0)));
  const test::ProcessResult r = test::runCommand(command("/Uninstall /Silent"));
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(test::waitUntil([&] { return first->hasEnded(); }));
  EXPECT_FALSE(fs::exists(settings));
  EXPECT_FALSE(fs::exists(autostart));
  EXPECT_TRUE(fs::exists(notes() + "/Personal/Kept.wav"));
}

TEST_F(DesktopProgramE2eTest, TrayStartWithTrayOffCreatesNothing) {
  test::writeCliSettings(config(), "OnTray=0\n");
  const test::ProcessResult r = test::runCommand(command("--tray"));
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_FALSE(fs::exists(notes()));
  EXPECT_FALSE(fs::exists(config() + "/autostart"));
  EXPECT_FALSE(fs::exists(SingleInstance::defaultSocketPath().toStdString()));
  EXPECT_TRUE(x_.visibleWindows(kTitle).empty());
}

TEST_F(DesktopProgramE2eTest, TwoClicksOnTheTrayMakeAQuickNote) {
  if (std::getenv("QP_PULSE_DIR") == nullptr) {
    GTEST_SKIP() << "needs the private sound server (scripts/pulse-private.sh)";
  }
  auto first = startFirst();
  ASSERT_TRUE(sendTrayClick());
  // The note grows in Personal while the recording runs: at least a second of audio.
  ASSERT_TRUE(test::waitUntil([&] { return longestNote() > 46 + 2 * 11025; }))
      << first->errorsSoFar();
  ASSERT_TRUE(sendTrayClick());
  ASSERT_TRUE(test::waitUntil([&] { return !filedNote().empty(); }));
  // The window lists the new note: dark text appears in the list's first row.
  const auto window = x_.visibleWindows(kTitle);
  ASSERT_EQ(window.size(), 1U);
  const test::XSession::Rect firstRow{16, 34, 120, 10};  // inside the window
  const std::string shot = test::XSession::artefactsFolder() + "/desktop-quick-note.png";
  EXPECT_TRUE(test::waitUntil([&] {
    return x_.screenshot(shot, window.front()) && test::XSession::brightness(shot, firstRow) < 0.97;
  })) << "brightness "
      << test::XSession::brightness(shot, firstRow) << "\n"
      << first->errorsSoFar();
  screenshot("desktop-quick-note-screen");
  EXPECT_EQ(test::runCommand(command("/kill")).exitCode, 0);
  EXPECT_TRUE(test::waitUntil([&] { return first->hasEnded(); }));
}

TEST_F(DesktopProgramE2eTest, ClicksOnTheIconOfABareX11TrayMakeAQuickNote) {
  if (std::getenv("QP_PULSE_DIR") == nullptr || !test::haveProgram("trayer")) {
    GTEST_SKIP() << "needs the private sound server and trayer";
  }
  // A tray in the screen's top left corner: the first icon sits at (0,0), 24 pixels wide.
  test::BackgroundCommand tray("DISPLAY=" + x_.display() +
                               " exec trayer --edge top --align left --widthtype request"
                               " --height 24 --SetDockType true --transparent false");
  const std::string shot = test::XSession::artefactsFolder() + "/desktop-x11-tray.png";
  const test::XSession::Rect icon{2, 2, 20, 20};
  ASSERT_TRUE(test::waitUntil([&] { return !x_.xdotool("search --class trayer").empty(); }));
  auto first = std::make_unique<test::BackgroundCommand>(command("/tray"));
  ASSERT_TRUE(test::waitUntil([&] {
    return x_.screenshot(shot) && test::XSession::brightness(shot, icon) > 0.2;
  })) << "the icon never showed: "
      << first->errorsSoFar();
  EXPECT_TRUE(x_.visibleWindows(kTitle).empty()) << "/tray with a tray opens no window";

  x_.xdotool("mousemove 12 12 click 1");
  ASSERT_TRUE(test::waitUntil([&] { return longestNote() > 46 + 2 * 11025; }))
      << first->errorsSoFar();
  EXPECT_TRUE(x_.screenshot(test::XSession::artefactsFolder() + "/desktop-x11-tray-recording.png"));
  x_.xdotool("mousemove 12 12 click 1");
  EXPECT_TRUE(test::waitUntil([&] { return !filedNote().empty(); }));
  EXPECT_TRUE(x_.visibleWindows(kTitle).empty()) << "a single click records, it opens nothing";
  EXPECT_EQ(test::runCommand(command("/kill")).exitCode, 0);
  EXPECT_TRUE(test::waitUntil([&] { return first->hasEnded(); }));
  tray.stop(SIGTERM);
}

}  // namespace
}  // namespace qp::app
