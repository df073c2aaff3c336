// The tray's quick recorder over the in-memory sound system: held buttons, the popup text,
// the half-second minimum, the refusal while the main window is busy, the silence alert.
#include "audio/recording/QuickRecorder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "audio/wave/WaveFileReader.h"
#include "common/MemorySettingsStore.h"
#include "support/FakeAudioUi.h"
#include "support/FakeProcessLauncher.h"
#include "support/MemoryAudioBackend.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"

namespace qp {
namespace {

constexpr std::uint32_t kRate = 8000;

class FakeTray final : public QuickRecordWindow {
 public:
  explicit FakeTray(std::string folder) : folder_(std::move(folder)) {}
  bool mainWindowBusy() override { return busy; }
  std::string newNotePath() override { return folder_ + "/QP_quick.wav"; }
  void showTime(const std::string& text) override {
    std::lock_guard lock(mutex_);
    texts_.push_back(text);
  }
  bool buttonsHeld() override {
    std::lock_guard lock(mutex_);
    return releaseAfter < 0 || static_cast<int>(texts_.size()) < releaseAfter;
  }
  void hidePopup() override { ++hides; }
  void restoreTrayIcon() override { ++restores; }
  std::vector<std::string> texts() {
    std::lock_guard lock(mutex_);
    return texts_;
  }

  bool busy = false;
  int releaseAfter = -1;  // buttons released once this many times were shown; -1 never
  int hides = 0;
  int restores = 0;

 private:
  std::mutex mutex_;
  std::string folder_;
  std::vector<std::string> texts_;
};

class QuickRecorderTest : public testing::Test {
 protected:
  QuickRecorderTest() {
    settings_.writeNumber("Quality", 0);
    settings_.writeNumber("Silkvoice", 0);
    settings_.writeText("DefFolder", "Personal");
  }
  static RecorderOptions fastOptions() {
    RecorderOptions options;
    options.bufferWaitMs = 20;
    return options;
  }
  void recordUntilItEnds() {
    ASSERT_TRUE(recorder_.startQuickRecording());
    ASSERT_TRUE(ui_.runUntil([&] { return !recorder_.recording(); }));
  }
  test::TempDir dir_;
  test::MemoryAudioBackend backend_;
  test::FakeUiServices ui_;
  FakeTray tray_{dir_.path().string()};
  MemorySettingsStore settings_;
  test::FakeFiler filer_;
  test::FakeProcessLauncher launcher_;
  NoAudioDialog noAudio_{ui_, settings_, launcher_, MicrophoneWizardSources{}};
  RecorderOptions options_ = fastOptions();
  QuickRecorder recorder_{{backend_, ui_, settings_, filer_, noAudio_}, tray_, options_};
};

TEST_F(QuickRecorderTest, RecordsWhileAButtonIsHeldWithTheFolderAndTimeInThePopup) {
  backend_.setCaptureSource(test::toBytes(test::sine(440, kRate, 5 * kRate, 12000)));
  tray_.releaseAfter = 3;  // released when the popup shows 0:02
  recordUntilItEnds();
  EXPECT_EQ(tray_.texts(),
            (std::vector<std::string>{"Personal - 0:00", "Personal - 0:01", "Personal - 0:02"}));
  ASSERT_EQ(filer_.filed.size(), 1u);
  WaveFileReader reader;
  ASSERT_TRUE(reader.open(filer_.filed[0]));
  EXPECT_EQ(reader.format(), WaveFormat::pcm(1, kRate, 16));
  EXPECT_GE(reader.dataSize(), 4 * kRate);
  EXPECT_EQ(tray_.hides, 1);
  EXPECT_EQ(tray_.restores, 1);
  EXPECT_EQ(backend_.state().lastFormat, WaveFormat::pcm(1, kRate, 16));
}

TEST_F(QuickRecorderTest, KeepsExactlyHalfASecondAndDropsLess) {
  settings_.writeNumber("CheckForSilence", 0);
  // 1600-byte buffers at 8000 Hz; the microphone stops after the source.
  backend_.setStallAfterSource(true);
  backend_.setCaptureSource(test::toBytes(test::silence(kRate / 2)));
  recordUntilItEnds();
  EXPECT_EQ(recorder_.bytesCaptured(), kRate);
  EXPECT_EQ(filer_.filed.size(), 1u);
  std::filesystem::remove(filer_.filed[0]);
  backend_.setCaptureSource(test::toBytes(test::silence(kRate / 2 - 800)));
  recordUntilItEnds();
  EXPECT_EQ(recorder_.bytesCaptured(), kRate - 1600);
  EXPECT_EQ(filer_.filed.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(dir_.file("QP_quick.wav")));
}

TEST_F(QuickRecorderTest, RefusesWhileTheMainWindowPlaysOrRecords) {
  tray_.busy = true;
  EXPECT_FALSE(recorder_.startQuickRecording());
  EXPECT_FALSE(recorder_.recording());
  EXPECT_EQ(backend_.state().inputOpens, 0);
}

TEST_F(QuickRecorderTest, ASilentMicrophoneEndsWithTheDialogAndSuppressesTheClick) {
  recordUntilItEnds();  // silence from the start: the alert at 10 s stops it
  EXPECT_TRUE(filer_.filed.empty());
  EXPECT_FALSE(std::filesystem::exists(dir_.file("QP_quick.wav")));
  EXPECT_EQ(ui_.noAudioTexts.size(), 1u);
  EXPECT_TRUE(recorder_.suppressClick());
  recorder_.clearSuppressClick();
  EXPECT_FALSE(recorder_.suppressClick());
}

}  // namespace
}  // namespace qp
