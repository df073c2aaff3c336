// Making sure playback is heard and the recording path is on, against a scripted mixer.
#include "devices/AudiblePaths.h"

#include <gtest/gtest.h>

#include "common/MemorySettingsStore.h"
#include "devices/FakeMixer.h"

namespace qp {
namespace {

using test::FakeMixerService;
using Values = std::vector<std::uint32_t>;

TEST(AudiblePathsTest, PlaybackSwitchesOnAndRaisesQuietLines) {
  struct Row {
    std::uint32_t speakers, wave;
    std::uint32_t speakersAfter, waveAfter;
  };
  const Row rows[] = {{0, 3275, 3276, 3276}, {3276, 60000, 3276, 60000}, {100, 5000, 3276, 5000}};
  for (const Row& row : rows) {
    FakeMixerService service;
    MemorySettingsStore settings;
    PreferredDevices preferred(service, settings);
    auto mixer = service.addDevice(MixerDirection::Playback, "out", "Output", true);
    const int out = mixer->addDestination(kLineDestinationSpeakers, "Speakers", 2);
    const std::uint32_t outVolume =
        mixer->addControl(mixer->lineIdOf(out), kControlVolume, {row.speakers, 0});
    const std::uint32_t outMute = mixer->addControl(mixer->lineIdOf(out), kControlMute, {1});
    const std::uint32_t wave = mixer->addSource(out, kLineSourceWaveOut, "Wave");
    const std::uint32_t waveVolume = mixer->addControl(wave, kControlVolume, {row.wave});
    const std::uint32_t waveMute = mixer->addControl(wave, kControlMute, {1});
    AudiblePaths paths(service, preferred);
    paths.MakeAudible(MixerDirection::Playback);
    EXPECT_EQ(mixer->values(outMute), Values{0});
    EXPECT_EQ(mixer->values(waveMute), Values{0});
    const std::uint32_t speakersRight = row.speakers < 3276 ? 3276 : 0;
    EXPECT_EQ(mixer->values(outVolume), (Values{row.speakersAfter, speakersRight}));
    EXPECT_EQ(mixer->values(waveVolume), Values{row.waveAfter});
  }
}

TEST(AudiblePathsTest, RecordingSwitchesOnTheWaveInDestinationOnlyAndReusesItsLines) {
  FakeMixerService service;
  MemorySettingsStore settings;
  PreferredDevices preferred(service, settings);
  auto mixer = service.addDevice(MixerDirection::Recording, "in", "Input", true);
  const int waveIn = mixer->addDestination(kLineDestinationWaveIn, "Recording");
  const std::uint32_t volume = mixer->addControl(mixer->lineIdOf(waveIn), kControlVolume, {0});
  const std::uint32_t mute = mixer->addControl(mixer->lineIdOf(waveIn), kControlMute, {1});
  const std::uint32_t mic = mixer->addSource(waveIn, kLineSourceMicrophone, "Mic");
  const std::uint32_t micMute = mixer->addControl(mic, kControlMute, {1});
  AudiblePaths paths(service, preferred);
  paths.MakeAudible(MixerDirection::Recording);
  EXPECT_EQ(mixer->values(mute), Values{0});
  EXPECT_EQ(mixer->values(volume), Values{0});  // the level is the user's
  EXPECT_EQ(mixer->values(micMute), Values{1});
  EXPECT_EQ(mixer->writes, 1);

  // The lines found first are used again, even after the device list changed.
  service.removeDevice("in");
  mixer->values(mute) = {1};
  paths.MakeAudible(MixerDirection::Recording);
  EXPECT_EQ(mixer->values(mute), Values{0});
  paths.forget();
  mixer->values(mute) = {1};
  paths.MakeAudible(MixerDirection::Recording);
  EXPECT_EQ(mixer->values(mute), Values{1});
  paths.MakeAudible(MixerDirection::Playback);  // no playback device: nothing happens
}

TEST(AudiblePathsTest, UsesTheChosenDevice) {
  FakeMixerService service;
  MemorySettingsStore settings;
  PreferredDevices preferred(service, settings);
  for (const char* name : {"internal", "usb"}) {
    auto mixer = service.addDevice(MixerDirection::Playback, name, name, name[0] == 'i');
    const int out = mixer->addDestination(kLineDestinationSpeakers, "Speakers");
    mixer->addControl(mixer->lineIdOf(out), kControlVolume, {0});
  }
  auto usb = service.openMixer(MixerDirection::Playback, "usb");
  ASSERT_TRUE(preferred.choose(MixerDirection::Playback, "usb"));
  AudiblePaths paths(service, preferred);
  paths.MakeAudible(MixerDirection::Playback);
  std::vector<std::uint32_t> values;
  MixerControl volume{1, kControlVolume, 0, 0};
  ASSERT_TRUE(usb->readValues(volume, 1, values));
  EXPECT_EQ(values, Values{3276});
  auto internal = service.openMixer(MixerDirection::Playback, "internal");
  ASSERT_TRUE(internal->readValues(volume, 1, values));
  EXPECT_EQ(values, Values{0});
}

}  // namespace
}  // namespace qp
