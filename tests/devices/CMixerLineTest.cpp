// A mixer line's name, volume and switch on scripted mixers.
#include "devices/CMixerLine.h"

#include <gtest/gtest.h>

#include "devices/FakeMixer.h"

namespace qp {
namespace {

using test::FakeMixer;
using test::FakeMixerDevice;
using Values = std::vector<std::uint32_t>;

TEST(CMixerLineTest, DisplayNameShortensLongNames) {
  struct Row {
    const char* longName;
    const char* shortName;
    const char* expected;
  };
  const Row rows[] = {
      {"Microphone", "Mic", "Microphone"},                       // under 13 characters: as it is
      {"Line In  ", "", "Line In"},                              // trailing spaces go
      {"Twelve chars", "X", "Twelve chars"},                     // 12 characters: kept whole
      {"Wave Out Mix Line", "Wave", "Wave"},                     // 13 or more: cut at the space
      {"\"Stereo Mix\" Front", "", "Stereo"},                    // quotes dropped before the cut
      {"\"Quoted\"", "", "\"Quoted\""},                          // short: quotes stay
      {"VeryLongSingleWordName", "Short", "Short"},              // still too long: the short name
      {"VeryLongSingleWordName", "", "VeryLongSingleWordName"},  // no short name to use
      {"VeryLongSingleWordName", "AlsoAVeryLongShortName", "VeryLongSingleWordName"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CMixerLine::displayName(row.longName, row.shortName), row.expected) << row.longName;
  }
}

// The switch a source line ends up with, for each way a mixer can offer one.
TEST(CMixerLineTest, SwitchDiscoveryTakesTheFirstControlThatApplies) {
  enum Setup {
    kMuteOnly,
    kVolumeOnly,
    kMuxItem,
    kMixerItem,
    kDisabledMute,
    kNothing,
    kSingleSelectOnLine,
    kDisabledVolumeAndMute
  };
  struct Row {
    Setup setup;
    bool initOk;
    MixerSwitchKind kind;
    bool singleSelect;
    bool hasVolume;
  };
  const Row rows[] = {
      {kMuteOnly, true, MixerSwitchKind::SourceMute, false, false},
      {kVolumeOnly, true, MixerSwitchKind::SourceMute, false, true},  // switched by nothing
      {kMuxItem, true, MixerSwitchKind::ListItem, true, true},
      {kMixerItem, true, MixerSwitchKind::ListItem, false, true},
      {kDisabledMute, true, MixerSwitchKind::SourceMute, false, true},
      {kNothing, false, MixerSwitchKind::None, false, false},
      {kSingleSelectOnLine, true, MixerSwitchKind::ListItem, true, false},
      {kDisabledVolumeAndMute, false, MixerSwitchKind::None, false, false},
  };
  for (const Row& row : rows) {
    auto device = std::make_shared<FakeMixerDevice>();
    const int dest = device->addDestination(kLineDestinationWaveIn, "Recording");
    const std::uint32_t other = device->addSource(dest, kLineSourceWaveOut, "Line");
    const std::uint32_t mic = device->addSource(dest, kLineSourceMicrophone, "Microphone");
    const bool volume = row.setup != kMuteOnly && row.setup != kNothing &&
                        row.setup != kSingleSelectOnLine && row.setup != kDisabledVolumeAndMute;
    if (volume) {
      device->addControl(mic, kControlVolume, {1000});
    }
    switch (row.setup) {
      case kMuteOnly:
        device->addControl(mic, kControlMute, {0});
        break;
      case kMuxItem:
        device->addControl(device->lineIdOf(dest), kControlMultiplexer, {0, 1}, 0, {other, mic});
        device->addControl(mic, kControlMute, {0});  // the list wins over the mute
        break;
      case kMixerItem:
        device->addControl(device->lineIdOf(dest), kControlMixer, {1, 1}, 0, {other, mic});
        break;
      case kDisabledMute:
        device->addControl(mic, kControlMute, {0}, kControlFlagDisabled);
        break;
      case kSingleSelectOnLine:
        device->addControl(mic, kControlSingleSelect, {1, 0}, 0, {mic, other});
        break;
      case kDisabledVolumeAndMute:
        device->addControl(mic, kControlVolume, {1000}, kControlFlagDisabled);
        device->addControl(mic, kControlMute, {0}, kControlFlagDisabled);
        break;
      default:
        break;
    }
    FakeMixer mixer(device);
    CMixerLine line;
    EXPECT_EQ(line.Init(mixer, dest, 1), row.initOk) << row.setup;
    EXPECT_EQ(line.SwitchKind(), row.kind) << row.setup;
    EXPECT_EQ(line.SingleSelect(), row.singleSelect) << row.setup;
    EXPECT_EQ(line.HasVolume(), row.hasVolume) << row.setup;
    EXPECT_TRUE(line.Read()) << row.setup;
    if (row.setup == kMuxItem || row.setup == kMixerItem) {
      EXPECT_EQ(line.ItemIndex(), 1);
    }
  }
}

TEST(CMixerLineTest, DestinationMuteIsKindTwo) {
  auto device = std::make_shared<FakeMixerDevice>();
  const int dest = device->addDestination(kLineDestinationSpeakers, "Speakers", 2);
  device->addControl(device->lineIdOf(dest), kControlVolume, {100, 100});
  device->addControl(device->lineIdOf(dest), kControlMute, {1});
  FakeMixer mixer(device);
  CMixerLine line;
  ASSERT_TRUE(line.Init(mixer, dest, -1));
  EXPECT_EQ(line.SwitchKind(), MixerSwitchKind::DestinationMute);
  EXPECT_FALSE(line.IsSource());
  EXPECT_TRUE(line.IsMuted(true));
  EXPECT_TRUE(line.IsMuted(false));  // a mute control means the same either way
  ASSERT_TRUE(line.SetMuted(false, true));
  EXPECT_EQ(device->values(2), Values{0});
}

TEST(CMixerLineTest, StereoLineReadsItsLouderChannelAndWritesBoth) {
  auto device = std::make_shared<FakeMixerDevice>();
  const int dest = device->addDestination(kLineDestinationSpeakers, "Speakers", 2);
  const std::uint32_t volume =
      device->addControl(device->lineIdOf(dest), kControlVolume, {30000, 40000});
  FakeMixer mixer(device);
  CMixerLine line;
  ASSERT_TRUE(line.Init(mixer, dest, -1));
  EXPECT_EQ(line.GetVolume(), 40000);
  ASSERT_TRUE(line.SetVolume(50000));
  EXPECT_EQ(device->values(volume), (Values{50000, 50000}));
  device->values(volume) = {45000, 20000};
  EXPECT_EQ(line.GetVolume(), 45000);
  device->unreachable = true;
  EXPECT_EQ(line.GetVolume(), -1);
  EXPECT_FALSE(line.SetVolume(1));
}

TEST(CMixerLineTest, MonoLineReadsChannelZeroAndNoVolumeReadsZero) {
  auto device = std::make_shared<FakeMixerDevice>();
  const int dest = device->addDestination(kLineDestinationWaveIn, "Recording");
  device->addControl(device->lineIdOf(dest), kControlVolume, {1234});
  const std::uint32_t mic = device->addSource(dest, kLineSourceMicrophone, "Mic");
  device->addControl(mic, kControlMute, {0});
  FakeMixer mixer(device);
  CMixerLine wave;
  CMixerLine muteOnly;
  ASSERT_TRUE(wave.Init(mixer, dest, -1));
  ASSERT_TRUE(muteOnly.Init(mixer, dest, 0));
  EXPECT_EQ(wave.GetVolume(), 1234);
  EXPECT_EQ(muteOnly.GetVolume(), 0);
  EXPECT_FALSE(muteOnly.SetVolume(1000));
  EXPECT_EQ(device->writes, 0);
}

// Three sources on one destination list; the third one's item is switched.
struct ListFixture {
  std::shared_ptr<FakeMixerDevice> device = std::make_shared<FakeMixerDevice>();
  int dest = device->addDestination(kLineDestinationWaveIn, "Recording");
  std::uint32_t a = device->addSource(dest, kLineSourceWaveOut, "A");
  std::uint32_t b = device->addSource(dest, kLineSourceWaveOut, "B");
  std::uint32_t mic = device->addSource(dest, kLineSourceMicrophone, "Mic");
  std::uint32_t list = 0;
  FakeMixer mixer{device};
  CMixerLine line;

  explicit ListFixture(std::uint32_t type) {
    list = device->addControl(device->lineIdOf(dest), type, {1, 1, 0}, 0, {a, b, mic});
    EXPECT_TRUE(line.Init(mixer, dest, 2));
  }
};

TEST(CMixerLineTest, SelectingOnAMultiplexerDeselectsEveryOtherSource) {
  ListFixture f(kControlMultiplexer);
  EXPECT_TRUE(f.line.IsMuted(true));    // not selected: muted
  EXPECT_FALSE(f.line.IsMuted(false));  // otherwise "selected" is what muted means
  ASSERT_TRUE(f.line.SetMuted(false, true));
  EXPECT_EQ(f.device->values(f.list), (Values{0, 0, 1}));
  EXPECT_FALSE(f.line.IsMuted(true));
}

TEST(CMixerLineTest, SelectingOnAMixerControlKeepsTheOthers) {
  ListFixture f(kControlMixer);
  ASSERT_TRUE(f.line.SetMuted(false, true));
  EXPECT_EQ(f.device->values(f.list), (Values{1, 1, 1}));
  ASSERT_TRUE(f.line.SetMuted(true, true));
  EXPECT_EQ(f.device->values(f.list), (Values{1, 1, 0}));
  ASSERT_TRUE(f.line.SetMuted(true, false));  // muted means selected
  EXPECT_EQ(f.device->values(f.list), (Values{1, 1, 1}));
}

TEST(CMixerLineTest, LineThatCannotBeReadFailsInit) {
  auto device = std::make_shared<FakeMixerDevice>();
  device->addDestination(kLineDestinationWaveIn, "Recording");
  FakeMixer mixer(device);
  CMixerLine line;
  EXPECT_FALSE(line.Init(mixer, 0, 5));
  EXPECT_FALSE(line.Read());
  EXPECT_FALSE(line.Init(mixer, 3, -1));
  EXPECT_FALSE(line.IsMuted(true));
  EXPECT_FALSE(line.SetMuted(true, true));
}

}  // namespace
}  // namespace qp
