// The lines each side finds on scripted mixers: which device, which destination, which source.
#include "devices/MixerLines.h"

#include <gtest/gtest.h>

#include "devices/FakeMixer.h"

namespace qp {
namespace {

using test::FakeMixerDevice;
using test::FakeMixerService;
using Values = std::vector<std::uint32_t>;
constexpr auto kRec = MixerDirection::Recording;
constexpr auto kPlay = MixerDirection::Playback;

// A sound card's recording mixer: a speakers destination first (the search must skip it),
// then the wave-in destination with line-in, microphone and CD sources on a selection list.
struct RecordingCard {
  std::shared_ptr<FakeMixerDevice> mixer;
  int waveIn = 0;
  std::uint32_t waveInVolume = 0;
  std::uint32_t lineIn = 0, mic = 0, cd = 0;
  std::uint32_t list = 0;

  RecordingCard(FakeMixerService& service, std::uint32_t listType, Values selected,
                const std::string& name = "card", bool isDefault = true) {
    mixer = service.addDevice(kRec, name, "Card " + name, isDefault);
    const int speakers = mixer->addDestination(kLineDestinationSpeakers, "Speakers");
    mixer->addControl(mixer->lineIdOf(speakers), kControlVolume, {100});
    waveIn = mixer->addDestination(kLineDestinationWaveIn, "Recording Control");
    waveInVolume = mixer->addControl(mixer->lineIdOf(waveIn), kControlVolume, {20000});
    lineIn = mixer->addSource(waveIn, 0x1002, "Line In");
    mic = mixer->addSource(waveIn, kLineSourceMicrophone, "Microphone");
    cd = mixer->addSource(waveIn, 0x1005, "CD Audio");
    for (const std::uint32_t source : {lineIn, mic, cd}) {
      mixer->addControl(source, kControlVolume, {10000});
    }
    list = mixer->addControl(mixer->lineIdOf(waveIn), listType, std::move(selected), 0,
                             {lineIn, mic, cd});
  }
};

TEST(MixerLinesTest, RecordingSideFindsTheSelectedSourceMicrophoneFirst) {
  struct Row {
    const char* what;
    std::uint32_t listType;
    Values selected;
    const char* source;  // expected source line, "" for none
  };
  const Row rows[] = {
      {"line-in and microphone selected", kControlMixer, {1, 1, 0}, "Microphone"},
      {"only line-in selected", kControlMultiplexer, {1, 0, 0}, "Line In"},
      {"the last selected non-microphone wins", kControlMixer, {1, 0, 1}, "CD Audio"},
      {"microphone selected after CD", kControlMixer, {0, 1, 1}, "Microphone"},
      {"nothing selected", kControlMixer, {0, 0, 0}, ""},
  };
  for (const Row& row : rows) {
    FakeMixerService service;
    RecordingCard card(service, row.listType, row.selected);
    MixerLines lines(service, kRec, "");
    ASSERT_NE(lines.destination(), nullptr) << row.what;
    EXPECT_EQ(lines.destination()->ComponentType(), kLineDestinationWaveIn);
    if (*row.source == '\0') {
      EXPECT_EQ(lines.source(), nullptr) << row.what;
    } else {
      ASSERT_NE(lines.source(), nullptr) << row.what;
      EXPECT_EQ(lines.source()->Name(), row.source) << row.what;
    }
    EXPECT_EQ(card.mixer->writes, 0) << "searching changes nothing: " << row.what;
  }
}

TEST(MixerLinesTest, UnswitchedMicrophoneIsTakenWithoutControls) {
  FakeMixerService service;
  auto mixer = service.addDevice(kRec, "card", "Card", true);
  const int waveIn = mixer->addDestination(kLineDestinationWaveIn, "Recording");
  mixer->addControl(mixer->lineIdOf(waveIn), kControlVolume, {30000});
  mixer->addSource(waveIn, 0x1002, "Line In");  // no controls, not a microphone
  mixer->addSource(waveIn, kLineSourceMicrophone, "Mic");
  MixerLines lines(service, kRec, "");
  ASSERT_NE(lines.source(), nullptr);
  EXPECT_EQ(lines.source()->Name(), "Mic");
  EXPECT_FALSE(lines.source()->HasVolume());
  EXPECT_EQ(lines.volume(), 30000);  // the line without a volume does not count
}

TEST(MixerLinesTest, MissingLinesLeaveTheSideEmpty) {
  FakeMixerService none;
  EXPECT_TRUE(MixerLines(none, kRec, "").empty());
  EXPECT_EQ(MixerLines(none, kPlay, "").audioMixer().GetMixer(), nullptr);

  FakeMixerService noWaveIn;
  auto mixer = noWaveIn.addDevice(kRec, "card", "Card", true);
  mixer->addDestination(kLineDestinationSpeakers, "Speakers");
  MixerLines lines(noWaveIn, kRec, "");
  EXPECT_EQ(lines.audioMixer().FindDestination(), -1);
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(lines.volume(), -1);
  EXPECT_FALSE(lines.setVolume(1000));
  EXPECT_FALSE(lines.muted());
  EXPECT_FALSE(lines.setMuted(false));

  FakeMixerService gone;
  RecordingCard card(gone, kControlMixer, {0, 1, 0});
  card.mixer->unreachable = true;
  EXPECT_TRUE(MixerLines(gone, kRec, "").empty());
}

TEST(MixerLinesTest, DestinationWithoutVolumeIsNotKeptButItsSourcesAre) {
  FakeMixerService service;
  auto mixer = service.addDevice(kRec, "card", "Card", true);
  const int waveIn = mixer->addDestination(kLineDestinationWaveIn, "Recording");
  mixer->addControl(mixer->lineIdOf(waveIn), kControlMute, {0});
  const std::uint32_t mic = mixer->addSource(waveIn, kLineSourceMicrophone, "Mic");
  mixer->addControl(mic, kControlVolume, {5000});
  MixerLines lines(service, kRec, "");
  EXPECT_EQ(lines.destination(), nullptr);
  ASSERT_NE(lines.source(), nullptr);
  EXPECT_EQ(lines.volume(), 5000);
}

TEST(MixerLinesTest, MuteOnlyMicrophoneLeavesTheVolumeToTheDestination) {
  FakeMixerService service;
  auto mixer = service.addDevice(kRec, "card", "Card", true);
  const int waveIn = mixer->addDestination(kLineDestinationWaveIn, "Recording");
  const std::uint32_t volume = mixer->addControl(mixer->lineIdOf(waveIn), kControlVolume, {40000});
  const std::uint32_t mic = mixer->addSource(waveIn, kLineSourceMicrophone, "Mic");
  const std::uint32_t mute = mixer->addControl(mic, kControlMute, {0});
  MixerLines lines(service, kRec, "");
  ASSERT_NE(lines.source(), nullptr);
  EXPECT_EQ(lines.volume(), 40000);
  ASSERT_TRUE(lines.setVolume(20000));
  EXPECT_EQ(mixer->values(volume), Values{20000});
  ASSERT_TRUE(lines.setMuted(true));  // the destination has no switch control: the mic's
  EXPECT_EQ(mixer->values(mute), Values{1});
  EXPECT_TRUE(lines.muted());
  ASSERT_TRUE(lines.setMuted(false));
  EXPECT_EQ(mixer->values(mute), Values{0});
}

TEST(MixerLinesTest, PlaybackSideTakesSpeakersOrHeadphonesAndTheFirstWaveOut) {
  for (const std::uint32_t type : {kLineDestinationSpeakers, kLineDestinationHeadphones}) {
    FakeMixerService service;
    auto mixer = service.addDevice(kPlay, "out", "Output", true);
    mixer->addDestination(kLineDestinationWaveIn, "Recording");
    const int out = mixer->addDestination(type, "Out", 2);
    mixer->addControl(mixer->lineIdOf(out), kControlVolume, {20000, 20000});
    mixer->addControl(mixer->lineIdOf(out), kControlMute, {0});
    const std::uint32_t cd = mixer->addSource(out, 0x1005, "CD");
    mixer->addControl(cd, kControlVolume, {1});
    mixer->addSource(out, kLineSourceWaveOut, "Silent");  // nothing to control: skipped
    const std::uint32_t wave = mixer->addSource(out, kLineSourceWaveOut, "Wave", 2);
    mixer->addControl(wave, kControlVolume, {30000, 30000});
    MixerLines lines(service, kPlay, "");
    ASSERT_NE(lines.destination(), nullptr);
    EXPECT_EQ(lines.destination()->ComponentType(), type);
    ASSERT_NE(lines.source(), nullptr);
    EXPECT_EQ(lines.source()->Name(), "Wave");
    EXPECT_EQ(lines.volume(), 25000);  // average of the two lines
  }
}

TEST(MixerLinesTest, SideOperationsReachBothLines) {
  FakeMixerService service;
  auto mixer = service.addDevice(kPlay, "out", "Output", true);
  const int out = mixer->addDestination(kLineDestinationSpeakers, "Speakers");
  const std::uint32_t outVolume = mixer->addControl(mixer->lineIdOf(out), kControlVolume, {100});
  const std::uint32_t outMute = mixer->addControl(mixer->lineIdOf(out), kControlMute, {0});
  const std::uint32_t wave = mixer->addSource(out, kLineSourceWaveOut, "Wave");
  const std::uint32_t waveVolume = mixer->addControl(wave, kControlVolume, {300});
  const std::uint32_t waveMute = mixer->addControl(wave, kControlMute, {1});
  MixerLines lines(service, kPlay, "");
  EXPECT_EQ(lines.volume(), 200);
  EXPECT_TRUE(lines.muted());  // the wave-out line is off
  ASSERT_TRUE(lines.setVolume(9000));
  EXPECT_EQ(mixer->values(outVolume), Values{9000});
  EXPECT_EQ(mixer->values(waveVolume), Values{9000});
  ASSERT_TRUE(lines.setMuted(false));
  EXPECT_EQ(mixer->values(waveMute), Values{0});
  EXPECT_FALSE(lines.muted());
  ASSERT_TRUE(lines.setMuted(true));  // only the speakers are switched off
  EXPECT_EQ(mixer->values(outMute), Values{1});
  EXPECT_EQ(mixer->values(waveMute), Values{0});
  EXPECT_TRUE(lines.isVolumeControl(outVolume));
  EXPECT_TRUE(lines.isVolumeControl(waveVolume));
  EXPECT_FALSE(lines.isVolumeControl(outMute));
}

TEST(MixerLinesTest, SeveralDevicesTheChosenOneThenTheDefaultThenTheFirst) {
  FakeMixerService service;
  RecordingCard usb(service, kControlMixer, {0, 1, 0}, "usb", false);
  RecordingCard internal(service, kControlMixer, {0, 1, 0}, "internal", true);
  usb.mixer->values(usb.waveInVolume) = {111};
  internal.mixer->values(internal.waveInVolume) = {222};
  struct Row {
    const char* chosen;
    const char* device;
    int volume;
  };
  const Row rows[] = {{"usb", "usb", (111 + 10000) / 2},
                      {"", "internal", (222 + 10000) / 2},
                      {"unplugged", "internal", (222 + 10000) / 2}};
  for (const Row& row : rows) {
    MixerLines lines(service, kRec, row.chosen);
    EXPECT_EQ(lines.audioMixer().DeviceName(), row.device) << row.chosen;
    EXPECT_EQ(lines.volume(), row.volume) << row.chosen;
  }
  service.setDefault(kRec, "");
  EXPECT_EQ(MixerLines(service, kRec, "").audioMixer().DeviceName(), "usb");
  EXPECT_EQ(MixerLines(service, kPlay, "").audioMixer().GetMixer(), nullptr);
}

TEST(MixerLinesTest, ProductNameLosesTrailingSpaces) {
  FakeMixerService service;
  service.addDevice(kRec, "alsa_input.usb", "USB Headset   ", true);
  EXPECT_EQ(MixerLines(service, kRec, "").audioMixer().ProductName(), "USB Headset");
}

}  // namespace
}  // namespace qp
