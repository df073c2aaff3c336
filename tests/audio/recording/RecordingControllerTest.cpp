// The main window's recorder over the in-memory sound system: what reaches the note, the
// silence alert, pause, the half-second minimum, time-outs, a full disk, and edit mode.
#include "audio/recording/RecordingController.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "audio/editing/NoteEditor.h"
#include "audio/wave/WaveFileReader.h"
#include "common/MemorySettingsStore.h"
#include "common/StringIds.h"
#include "support/BufferCompare.h"
#include "support/FailingOutputFile.h"
#include "support/FakeAudioUi.h"
#include "support/FakeProcessLauncher.h"
#include "support/MemoryAudioBackend.h"
#include "support/SampleRamps.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"
#include "support/UiTexts.h"
#include "support/WavFiles.h"

namespace qp {
namespace {

using test::FakeFiler;
using test::quietRamp;
using test::readWavSamples;
using test::sameSamples;
using test::slice;

constexpr std::uint32_t kRate = 8000;  // Quality 0
constexpr std::size_t kBufferSamples = 200;

class RecordingControllerTest : public testing::Test {
 protected:
  RecordingControllerTest() {
    settings_.writeNumber("Quality", 0);
    settings_.writeNumber("Silkvoice", 0);
    options_.bufferWaitMs = 20;
  }
  RecordingController& controller() {
    if (!controller_) {
      controller_ = std::make_unique<RecordingController>(
          RecorderServices{backend_, ui_, settings_, filer_, noAudio_}, window_, options_);
    }
    return *controller_;
  }
  void setSource(const std::vector<std::int16_t>& samples, bool stallAfter = false) {
    backend_.setCaptureSource(test::toBytes(samples));
    backend_.setStallAfterSource(stallAfter);
  }
  // Records until the capture thread has passed seconds of written sound, then stops.
  void recordFor(int seconds) {
    std::atomic<bool> reached{false};
    window_.onShowTime = [&, seconds](int s) {
      if (s >= seconds) {
        reached = true;
      }
    };
    ASSERT_TRUE(controller().startRecording());
    ASSERT_TRUE(ui_.runUntil([&] { return reached.load() || !controller().recording(); }));
    controller().stopRecording();
  }
  // Starts a recording and lets it end by itself (time-outs, a full disk, an alert).
  void recordUntilItEnds() {
    ASSERT_TRUE(controller().startRecording());
    ASSERT_TRUE(ui_.runUntil([&] { return !controller().recording(); }));
  }
  std::size_t filesInFolder() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir_.path()),
                                                  std::filesystem::directory_iterator()));
  }

  test::TempDir dir_;
  test::MemoryAudioBackend backend_;
  test::FakeUiServices ui_;
  test::FakeAudioWindow window_{dir_.path().string()};
  MemorySettingsStore settings_;
  FakeFiler filer_;
  test::FakeProcessLauncher launcher_;
  NoAudioDialog noAudio_{ui_, settings_, launcher_, MicrophoneWizardSources{}};
  RecorderOptions options_;
  std::unique_ptr<RecordingController> controller_;
};

TEST_F(RecordingControllerTest, RecordsTheMicrophoneIntoANewNoteAndFilesIt) {
  const auto source = test::sine(440, kRate, 3 * kRate, 12000);
  setSource(source);
  recordFor(2);
  ASSERT_EQ(filer_.filed.size(), 1u);
  EXPECT_EQ(controller().lastNotePath(), filer_.filed[0]);
  WaveFileReader reader;
  ASSERT_TRUE(reader.open(filer_.filed[0]));
  EXPECT_EQ(reader.format(), WaveFormat::pcm(1, kRate, 16));
  const auto got = readWavSamples(filer_.filed[0]);
  ASSERT_GE(got.size(), 2 * kRate);
  EXPECT_TRUE(sameSamples(slice(source, 0, got.size()), slice(got, 0, source.size())));
  const auto times = window_.times();
  ASSERT_GE(times.size(), 3u);
  EXPECT_EQ(times[0], 0);
  EXPECT_EQ(times[1], 1);
  EXPECT_EQ(times[2], 2);
  EXPECT_EQ(window_.fakeGraph().secondsAcross(), 10.0);
  EXPECT_TRUE(window_.fakeGraph().lastResetSelection());
  EXPECT_GT(window_.levelBlocks(), 0);
  EXPECT_EQ(window_.skinEvents(), (std::vector<int>{kSkinRecordStart, kSkinRecordStop}));
  EXPECT_EQ(window_.recorderStates, (std::vector<bool>{true, false}));
  EXPECT_EQ(window_.listRefreshes, (std::vector<std::string>{filer_.filed[0]}));
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(RecordingControllerTest, SilkvoiceFromTheSettingsChangesWhatIsWritten) {
  const auto source = test::sine(440, kRate, 3 * kRate, 12000);
  setSource(source);
  settings_.writeNumber("Silkvoice", 1);
  recordFor(2);
  EXPECT_TRUE(controller().silkvoiceOn());
  ASSERT_EQ(filer_.filed.size(), 1u);
  const auto got = readWavSamples(filer_.filed[0]);
  ASSERT_GE(got.size(), kRate);
  EXPECT_FALSE(sameSamples(slice(source, 0, kRate), slice(got, 0, kRate)));
  // The indicator flips the switch of the running recording only.
  EXPECT_FALSE(controller().toggleSilkvoice());
  EXPECT_EQ(settings_.readNumber("Silkvoice", 9), 1);
}

TEST_F(RecordingControllerTest, ASilentMicrophoneGivesOneAlertAtTenSeconds) {
  settings_.writeNumber("CheckForSilence", 0);  // keep recording past the alert
  std::vector<int> postedAt(20, -1);
  std::atomic<bool> reached{false};
  window_.onShowTime = [&](int s) {
    if (s < 20) {
      postedAt[static_cast<std::size_t>(s)] = ui_.posted.load();
    }
    reached = reached || s >= 14;
  };
  setSource(quietRamp(20 * kRate));  // loud enough to hear, never reaching 4097
  ASSERT_TRUE(controller().startRecording());
  ASSERT_TRUE(ui_.runUntil([&] { return reached.load(); }));
  controller().stopRecording();
  EXPECT_EQ(postedAt[10], 0);  // posted right after the time display showed 10
  EXPECT_EQ(postedAt[11], 1);
  EXPECT_EQ(postedAt[14], 1);
  EXPECT_EQ(controller().silenceAlerts(), 1);
  // With CheckForSilence off the note is kept.
  EXPECT_EQ(filer_.filed.size(), 1u);
  EXPECT_TRUE(ui_.noAudioTexts.empty());
}

TEST_F(RecordingControllerTest, WithCheckForSilenceTheAlertStopsAndTheNoteIsDeleted) {
  setSource(quietRamp(30 * kRate));
  recordUntilItEnds();
  EXPECT_EQ(controller().silenceAlerts(), 1);
  EXPECT_GE(controller().bytesCaptured(), 20u * kRate);
  EXPECT_TRUE(filer_.filed.empty());
  EXPECT_EQ(filesInFolder(), 0u);
  // Without a wizard the dialog's text stops at its first line and there is no Help.
  EXPECT_EQ(ui_.noAudioTexts,
            (std::vector<std::string>{"No audio was detected coming from your microphone."}));
  EXPECT_EQ(ui_.noAudioHelp, (std::vector<bool>{false}));
}

TEST_F(RecordingControllerTest, OnlyPositiveSamplesAtTheThresholdCountEvenWhilePaused) {
  // -20000 everywhere: silent as far as the check goes.
  std::vector<std::int16_t> negative(3 * kRate, -20000);
  setSource(negative);
  recordFor(2);
  EXPECT_TRUE(filer_.filed.empty());
  EXPECT_EQ(ui_.noAudioTexts.size(), 1u);
  const std::size_t firstTimes = window_.times().size();

  // One 4097 in a paused stretch: not silent. Pause starts after the buffer in which the
  // time display showed 1 (samples up to 8000) and lasts three buffers.
  auto source = quietRamp(4 * kRate);
  source[8300] = 4097;
  setSource(source);
  std::atomic<int> clears{0};
  window_.onClearLevel = [&] {
    if (++clears == 3) {
      controller().flags().paused.store(false);
    }
  };
  std::atomic<bool> reached{false};
  window_.onShowTime = [&](int s) {
    if (s == 1) {
      controller().flags().paused.store(true);
    }
    reached = reached || s >= 2;
  };
  ASSERT_TRUE(controller().startRecording());
  ASSERT_TRUE(ui_.runUntil([&] { return reached.load(); }));
  controller().stopRecording();
  ASSERT_EQ(filer_.filed.size(), 1u);
  const auto got = readWavSamples(filer_.filed[0]);
  // Nothing of the paused buffers was written, and the clock stood still meanwhile: the
  // time display showed 2 only once 16000 samples had been written.
  const std::size_t paused = 3 * kBufferSamples;
  ASSERT_GE(got.size(), 2 * kRate);
  EXPECT_TRUE(sameSamples(slice(source, 0, kRate), slice(got, 0, kRate)));
  EXPECT_TRUE(
      sameSamples(slice(source, kRate + paused, 2 * kRate + paused), slice(got, kRate, 2 * kRate)));
  EXPECT_GE(controller().bytesCaptured(), 2 * got.size() + 2 * paused);
  const auto times = window_.times();
  EXPECT_EQ(std::count(times.begin() + static_cast<std::ptrdiff_t>(firstTimes), times.end(), 1), 1);
}

TEST_F(RecordingControllerTest, HalfASecondIsDiscardedAndThreeTimeOutsEndTheRecording) {
  // Exactly the sample rate in bytes (half a second), then the microphone stops delivering.
  setSource(quietRamp(kRate / 2), true);
  settings_.writeNumber("CheckForSilence", 0);
  recordUntilItEnds();
  EXPECT_EQ(controller().bytesCaptured(), kRate);
  EXPECT_TRUE(filer_.filed.empty());
  EXPECT_EQ(filesInFolder(), 0u);
  // One buffer more is kept.
  setSource(quietRamp(kRate / 2 + kBufferSamples), true);
  recordUntilItEnds();
  EXPECT_EQ(controller().bytesCaptured(), kRate + 2 * kBufferSamples);
  ASSERT_EQ(filer_.filed.size(), 1u);
  EXPECT_EQ(readWavSamples(filer_.filed[0]).size(), kRate / 2 + kBufferSamples);
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(RecordingControllerTest, TheRecorderTellsWhetherTheMicrophoneStopped) {
  // The command line exits with 1 when the sound server went away mid-recording.
  setSource(test::sine(300, kRate, kRate, 12000), true);
  recordUntilItEnds();
  EXPECT_TRUE(controller().microphoneLost());
  setSource(test::sine(300, kRate, 3 * kRate, 12000));
  recordFor(1);
  EXPECT_FALSE(controller().microphoneLost());
}

TEST_F(RecordingControllerTest, AFullDiskStopsTheRecordingWithAMessageAndKeepsAValidNote) {
  options_.makeWriter = [] {
    return std::make_unique<WaveFileWriter>(std::make_unique<test::FailingOutputFile>(46 + 30000));
  };
  const auto source = test::sine(300, kRate, 5 * kRate, 12000);
  setSource(source);
  recordUntilItEnds();
  EXPECT_EQ(ui_.messages, (std::vector<std::string>{test::uiText(StringId::kDiskFull)}));
  ASSERT_EQ(filer_.filed.size(), 1u);
  const auto got = readWavSamples(filer_.filed[0]);
  EXPECT_EQ(got.size(), 15000u);
  EXPECT_TRUE(sameSamples(slice(source, 0, 15000), got));
}

TEST_F(RecordingControllerTest, AWriteFailureInTheFirstHalfSecondIsStillReported) {
  options_.makeWriter = [] {
    return std::make_unique<WaveFileWriter>(std::make_unique<test::FailingOutputFile>(46 + 1000));
  };
  setSource(test::sine(300, kRate, 5 * kRate, 12000));
  recordUntilItEnds();
  EXPECT_EQ(ui_.messages, (std::vector<std::string>{test::uiText(StringId::kDiskFull)}));
  EXPECT_TRUE(filer_.filed.empty());  // too short to keep
  EXPECT_EQ(filesInFolder(), 0u);
}

TEST_F(RecordingControllerTest, TheRecordingStopsCleanlyAtTheLargestNote) {
  options_.maxDataBytes = 25000;  // stands for the format's 4 GiB limit
  setSource(test::sine(300, kRate, 5 * kRate, 12000));
  recordUntilItEnds();
  EXPECT_EQ(ui_.messages, (std::vector<std::string>{test::uiText(StringId::kNoteFull)}));
  ASSERT_EQ(filer_.filed.size(), 1u);
  EXPECT_EQ(readWavSamples(filer_.filed[0]).size(), 12500u);
}

TEST_F(RecordingControllerTest, AGivenLengthEndsTheRecordingQuietlyWithExactlyThatLength) {
  options_.stopAfterBytes = 2 * kRate + 2 * 123;
  setSource(test::sine(300, kRate, 5 * kRate, 12000));
  recordUntilItEnds();
  EXPECT_TRUE(ui_.messages.empty());
  ASSERT_EQ(filer_.filed.size(), 1u);
  EXPECT_EQ(readWavSamples(filer_.filed[0]).size(), kRate + 123);
}

TEST_F(RecordingControllerTest, RefusedMicrophoneOrFileLeavesNothingBehind) {
  backend_.setRefuseOpen(MMSYSERR_ALLOCATED);
  EXPECT_FALSE(controller().startRecording());
  EXPECT_FALSE(controller().recording());
  EXPECT_EQ(ui_.messages,
            (std::vector<std::string>{test::uiText(StringId::kCannotOpenMicrophone)}));
  EXPECT_EQ(filesInFolder(), 0u);
  backend_.setRefuseOpen(0);
  test::FakeAudioWindow nowhere(dir_.file("missing-folder"));
  RecordingController other({backend_, ui_, settings_, filer_, noAudio_}, nowhere, options_);
  EXPECT_FALSE(other.startRecording());
  EXPECT_EQ(ui_.messages.back(), test::uiText(StringId::kCannotOpenNote));
  EXPECT_TRUE(filer_.filed.empty());
}

TEST_F(RecordingControllerTest, PauseControlShowsPausedAndSendsTheSkinEvent) {
  setSource(quietRamp(kRate));
  settings_.writeNumber("CheckForSilence", 0);
  ASSERT_TRUE(controller().startRecording());
  EXPECT_TRUE(controller().togglePause());
  EXPECT_FALSE(controller().togglePause());
  controller().stopRecording();
  EXPECT_EQ(window_.timeTexts, (std::vector<std::string>{"Paused", ""}));
  EXPECT_EQ(window_.skinEvents(),
            (std::vector<int>{kSkinRecordStart, kSkinPause, kSkinPause, kSkinRecordStop}));
}

class EditRecordingTest : public RecordingControllerTest {
 protected:
  void SetUp() override {
    note_ = test::sine(500, 11025, 2 * 11025, 9000);
    notePath_ = dir_.file("Memo.wav");
    WaveFileWriter writer;
    ASSERT_TRUE(writer.open(notePath_, WaveFormat::pcm(1, 11025, 16)));
    const auto bytes = test::toBytes(note_);
    writer.write(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    ASSERT_TRUE(writer.close());
    ASSERT_EQ(::chmod(notePath_.c_str(), 0600), 0);
    window_.notes = {notePath_};
    window_.selected = {0};
    controller().setEditor(&editor_);
    editor_.setRecordingStarter([this] { return controller().startRecording(); });
  }
  NoteEditor editor_{ui_, window_, settings_};
  std::vector<std::int16_t> note_;
  std::string notePath_;
};

// At 11025 Hz a capture buffer holds 300 samples; the recordings below are whole buffers, as
// a partly filled one is lost when the microphone stops delivering.
constexpr std::size_t kRecorded = 33 * 300;

TEST_F(EditRecordingTest, InsertRecordsAtTheNotesOwnRateBetweenHeadAndTail) {
  const auto recorded = test::sine(300, 11025, kRecorded, 12000);
  setSource(recorded, true);
  window_.selection = GraphSelection::insertionPoint(0.5);
  ASSERT_TRUE(editor_.insertRecording());
  EXPECT_EQ(backend_.state().lastFormat, WaveFormat::pcm(1, 11025, 16));
  ASSERT_TRUE(ui_.runUntil([&] { return !controller().recording(); }));
  // Half of 44100 bytes is 22050, cut to a whole 4-byte step: 11024 samples.
  std::vector<std::int16_t> expected = slice(note_, 0, 11024);
  expected.insert(expected.end(), recorded.begin(), recorded.end());
  expected.insert(expected.end(), note_.begin() + 11024, note_.end());
  EXPECT_TRUE(sameSamples(expected, readWavSamples(notePath_)));
  EXPECT_TRUE(filer_.filed.empty());  // an edit is not a new note
  EXPECT_EQ(filesInFolder(), 1u);
  struct stat st {};
  ASSERT_EQ(::stat(notePath_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
}

TEST_F(EditRecordingTest, AppendAddsToTheEndAndATooShortRecordingChangesNothing) {
  const auto recorded = test::sine(300, 11025, kRecorded, 12000);
  setSource(recorded, true);
  ASSERT_TRUE(editor_.appendRecording());
  ASSERT_TRUE(ui_.runUntil([&] { return !controller().recording(); }));
  std::vector<std::int16_t> expected = note_;
  expected.insert(expected.end(), recorded.begin(), recorded.end());
  EXPECT_TRUE(sameSamples(expected, readWavSamples(notePath_)));

  const auto before = test::readFileBytes(notePath_);
  setSource(slice(recorded, 0, 18 * 300), true);  // 10800 bytes: not more than half a second
  ASSERT_TRUE(editor_.appendRecording());
  ASSERT_TRUE(ui_.runUntil([&] { return !controller().recording(); }));
  EXPECT_EQ(test::readFileBytes(notePath_), before);
  EXPECT_EQ(filesInFolder(), 1u);
  EXPECT_FALSE(editor_.editMode());
}

TEST_F(EditRecordingTest, NoSecondRecordingAndNoEraseWhileAnInsertRecords) {
  setSource(test::sine(300, 11025, 11025, 12000));
  window_.selection = GraphSelection::insertionPoint(0.5);
  ASSERT_TRUE(editor_.insertRecording());
  EXPECT_FALSE(controller().startRecording());
  window_.selection = GraphSelection::range(0.0, 0.5);
  EXPECT_EQ(editor_.eraseSelection(true), NoteEditor::EraseResult::Busy);
  EXPECT_TRUE(controller().recording());
  ASSERT_TRUE(ui_.runUntil([&] { return controller().bytesCaptured() > 22050; }));
  controller().stopRecording();
  EXPECT_GT(readWavSamples(notePath_).size(), note_.size());
}

TEST_F(EditRecordingTest, AStereoNoteRefusesTheRecording) {
  const std::string stereo = dir_.file("Stereo.wav");
  WaveFileWriter writer;
  ASSERT_TRUE(writer.open(stereo, WaveFormat::pcm(2, 11025, 16)));
  ASSERT_TRUE(writer.close());
  window_.notes = {stereo};
  EXPECT_FALSE(editor_.appendRecording());
  EXPECT_EQ(ui_.messages, (std::vector<std::string>{test::uiText(StringId::kMonoOnly)}));
  EXPECT_FALSE(controller().recording());
  EXPECT_EQ(backend_.state().inputOpens, 0);
  EXPECT_EQ(filesInFolder(), 2u);
}

}  // namespace
}  // namespace qp
