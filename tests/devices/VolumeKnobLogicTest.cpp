// The volume knob's positions against a scripted mixer: start-up, turning, and following
// changes made by other programs.
#include "devices/VolumeKnobLogic.h"

#include <gtest/gtest.h>

#include "devices/FakeMixer.h"
#include "support/FakeAudioUi.h"

namespace qp {
namespace {

using test::FakeMixerDevice;
using test::FakeMixerService;
using Values = std::vector<std::uint32_t>;
constexpr auto kPlay = MixerDirection::Playback;
constexpr auto kRec = MixerDirection::Recording;

// A playback device with a stereo speakers line and a stereo wave-out line.
struct PlaybackMixer {
  FakeMixerService service;
  std::shared_ptr<FakeMixerDevice> mixer = service.addDevice(kPlay, "out", "Output", true);
  int speakers = mixer->addDestination(kLineDestinationSpeakers, "Speakers", 2);
  std::uint32_t speakersVolume = 0, waveVolume = 0;

  PlaybackMixer(std::uint32_t speakersValue, std::uint32_t waveValue) {
    speakersVolume = mixer->addControl(mixer->lineIdOf(speakers), kControlVolume,
                                       {speakersValue, speakersValue});
    const std::uint32_t wave = mixer->addSource(speakers, kLineSourceWaveOut, "Wave", 2);
    waveVolume = mixer->addControl(wave, kControlVolume, {waveValue, waveValue});
  }
};

TEST(VolumeKnobLogicTest, StepIsFullScaleOverThePositions) {
  struct Row {
    int positions;
    int step;
  };
  for (const Row row : {Row{32, 2047}, Row{1, 65535}, Row{0, 65535}, Row{100, 655}, Row{7, 9362}}) {
    EXPECT_EQ(VolumeKnobLogic(kPlay, row.positions).step(), row.step) << row.positions;
  }
}

TEST(VolumeKnobLogicTest, StartUpTakesTheNearestPositionAndWritesIt) {
  struct Row {
    std::uint32_t speakers, wave;
    int position;
    std::uint32_t written;
  };
  const Row rows[] = {
      {1024, 1024, 1, 2047},      // rounds to the nearest position
      {1023, 1023, 0, 0},         // just below half a step
      {0, 2048, 1, 2047},         // both lines start from their average, 1024
      {65535, 65535, 31, 63457},  // full scale: the last position
      {30000, 40000, 17, 34799},  // average 35000
  };
  for (const Row& row : rows) {
    PlaybackMixer m(row.speakers, row.wave);
    VolumeKnobLogic knob(kPlay, 32);
    knob.start(m.service, "");
    EXPECT_EQ(knob.position(), row.position) << row.speakers << "/" << row.wave;
    EXPECT_EQ(m.mixer->values(m.speakersVolume), (Values{row.written, row.written}));
    EXPECT_EQ(m.mixer->values(m.waveVolume), (Values{row.written, row.written}));
  }
}

TEST(VolumeKnobLogicTest, TurningWritesPositionTimesStepToBothLinesWithinTheEnds) {
  PlaybackMixer m(0, 0);
  VolumeKnobLogic knob(kPlay, 32);
  knob.start(m.service, "");
  EXPECT_FALSE(knob.stepDown());  // already at 0
  EXPECT_TRUE(knob.turnTo(31));
  EXPECT_EQ(m.mixer->values(m.speakersVolume), (Values{63457, 63457}));
  EXPECT_EQ(m.mixer->values(m.waveVolume), (Values{63457, 63457}));
  EXPECT_FALSE(knob.stepUp());  // P - 1 is the last position
  EXPECT_TRUE(knob.stepDown());
  EXPECT_EQ(knob.position(), 30);
  EXPECT_EQ(m.mixer->values(m.waveVolume), (Values{61410, 61410}));
  EXPECT_TRUE(knob.turnTo(99));  // clamped to 31
  EXPECT_EQ(knob.position(), 31);
  EXPECT_TRUE(knob.turnTo(-5));  // clamped to 0
  EXPECT_EQ(m.mixer->values(m.speakersVolume), (Values{0, 0}));
  EXPECT_FALSE(knob.turnTo(-1));
}

TEST(VolumeKnobLogicTest, ChangeByAnotherProgramMovesTheKnobWithoutWritingBack) {
  PlaybackMixer m(0, 0);
  test::FakeUiServices ui;
  VolumeKnobLogic knob(kPlay, 32);
  knob.start(m.service, "");
  std::vector<std::pair<int, int>> moves;
  knob.listen(ui, [&](int from, int to) { moves.emplace_back(from, to); });
  const int writes = m.mixer->writes;

  // The speakers move: the wave-out line follows, the knob takes value / step (truncated).
  m.mixer->changeExternally(m.speakersVolume, {4093, 4000});
  EXPECT_EQ(ui.runPending(), 1);
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{0, 1}}));
  EXPECT_EQ(m.mixer->values(m.waveVolume), (Values{4093, 4093}));
  EXPECT_EQ(m.mixer->writes, writes + 1);

  // The wave-out line moves: the speakers follow. The write is not reported back to the knob.
  m.mixer->changeExternally(m.waveVolume, {40000, 40000});
  EXPECT_EQ(ui.runPending(), 1);
  EXPECT_EQ(m.mixer->values(m.speakersVolume), (Values{40000, 40000}));
  EXPECT_EQ(knob.position(), 19);
  EXPECT_EQ(ui.runPending(), 0);

  // The same position again: no move, no write.
  m.mixer->changeExternally(m.waveVolume, {40000, 40000});
  EXPECT_EQ(ui.runPending(), 1);
  m.mixer->changeExternally(m.speakersVolume, {40100, 40000});
  EXPECT_EQ(ui.runPending(), 1);
  EXPECT_EQ(moves.size(), 2u);
  EXPECT_EQ(m.mixer->writes, writes + 3);  // only the wave-out line, to 40100
  EXPECT_EQ(m.mixer->values(m.waveVolume), (Values{40100, 40100}));
}

TEST(VolumeKnobLogicTest, RecordingKnobReadsEitherLineAndCopiesNothing) {
  FakeMixerService service;
  auto mixer = service.addDevice(kRec, "in", "Input", true);
  const int waveIn = mixer->addDestination(kLineDestinationWaveIn, "Recording");
  const std::uint32_t waveInVolume =
      mixer->addControl(mixer->lineIdOf(waveIn), kControlVolume, {0});
  const std::uint32_t mic = mixer->addSource(waveIn, kLineSourceMicrophone, "Mic");
  const std::uint32_t micVolume = mixer->addControl(mic, kControlVolume, {0});
  const std::uint32_t micMute = mixer->addControl(mic, kControlMute, {0});
  VolumeKnobLogic knob(kRec, 10);
  knob.start(service, "");
  const int writes = mixer->writes;
  mixer->values(micVolume) = {65535};
  EXPECT_TRUE(knob.onControlChange(micVolume));
  EXPECT_EQ(knob.position(), 9);
  mixer->values(waveInVolume) = {6553};
  EXPECT_TRUE(knob.onControlChange(waveInVolume));
  EXPECT_EQ(knob.position(), 1);
  EXPECT_FALSE(knob.onControlChange(micMute));  // not a volume
  EXPECT_EQ(mixer->writes, writes);
  mixer->unreachable = true;
  EXPECT_FALSE(knob.onControlChange(micVolume));  // a failed read ends handling
  EXPECT_EQ(knob.position(), 1);
}

TEST(VolumeKnobLogicTest, KnobWithoutLinesTurnsWithoutEffect) {
  FakeMixerService nothing;
  VolumeKnobLogic knob(kPlay, 16);
  knob.start(nothing, "");
  test::FakeUiServices ui;
  knob.listen(ui, [](int, int) {});
  EXPECT_EQ(knob.position(), 0);
  EXPECT_TRUE(knob.stepUp());
  EXPECT_TRUE(knob.turnTo(15));
  EXPECT_FALSE(knob.onControlChange(1));
}

TEST(VolumeKnobLogicTest, ChangeQueuedForADestroyedKnobIsDropped) {
  PlaybackMixer m(0, 0);
  test::FakeUiServices ui;
  int moves = 0;
  {
    VolumeKnobLogic knob(kPlay, 32);
    knob.start(m.service, "");
    knob.listen(ui, [&](int, int) { ++moves; });
    m.mixer->changeExternally(m.speakersVolume, {30000, 30000});
  }
  m.mixer->changeExternally(m.speakersVolume, {50000, 50000});  // nobody listens any more
  EXPECT_EQ(ui.runPending(), 1);
  EXPECT_EQ(moves, 0);
}

TEST(VolumeKnobLogicTest, RestartFollowsAnotherDeviceAndKeepsListening) {
  PlaybackMixer m(0, 0);
  auto other = m.service.addDevice(kPlay, "usb", "USB", false);
  const int speakers = other->addDestination(kLineDestinationSpeakers, "USB Speakers");
  const std::uint32_t volume =
      other->addControl(other->lineIdOf(speakers), kControlVolume, {32767});
  test::FakeUiServices ui;
  VolumeKnobLogic knob(kPlay, 32);
  int moves = 0;
  knob.start(m.service, "");
  knob.listen(ui, [&](int, int) { ++moves; });
  knob.start(m.service, "usb");
  EXPECT_EQ(knob.position(), 16);
  m.mixer->changeExternally(m.speakersVolume, {0, 0});  // the old device no longer counts
  other->changeExternally(volume, {65535});
  EXPECT_EQ(ui.runPending(), 1);
  EXPECT_EQ(knob.position(), 31);
  EXPECT_EQ(moves, 1);
}

}  // namespace
}  // namespace qp
