// The chosen recording and playback devices: stored by name, used while present, and the
// fallback to the default with its one report while the chosen device is away.
#include "devices/PreferredDevices.h"

#include <gtest/gtest.h>

#include "common/MemorySettingsStore.h"
#include "devices/FakeMixer.h"

namespace qp {
namespace {

using test::FakeMixerService;
constexpr auto kRec = MixerDirection::Recording;
constexpr auto kPlay = MixerDirection::Playback;

TEST(PreferredDevicesTest, ResolveTakesTheChosenThenTheDefaultThenTheFirst) {
  const std::vector<ServerDevice> devices = {
      {kRec, "mic.usb", "USB Microphone", false},
      {kRec, "mic.internal", "Internal Microphone", true},
      {kPlay, "out.hdmi", "HDMI", false},
      {kPlay, "out.usb", "USB Headset", false},
  };
  struct Row {
    MixerDirection direction;
    const char* chosen;
    const char* expected;  // "" for none
  };
  const Row rows[] = {
      {kRec, "mic.usb", "mic.usb"},
      {kRec, "", "mic.internal"},
      {kRec, "mic.gone", "mic.internal"},
      {kRec, "out.usb", "mic.internal"},  // a playback device is no recording device
      {kPlay, "", "out.hdmi"},            // no default: the first
      {kPlay, "out.usb", "out.usb"},
  };
  for (const Row& row : rows) {
    const auto device = PreferredDevices::resolve(devices, row.direction, row.chosen);
    ASSERT_TRUE(device.has_value()) << row.chosen;
    EXPECT_EQ(device->name, row.expected) << row.chosen;
  }
  EXPECT_FALSE(PreferredDevices::resolve({}, kRec, "mic.usb").has_value());
  EXPECT_FALSE(PreferredDevices::resolve({{kPlay, "out", "Out", true}}, kRec, "").has_value());
}

TEST(PreferredDevicesTest, ChoiceIsStoredByName) {
  FakeMixerService service;
  service.addDevice(kPlay, "out.internal", "Speakers", true);
  service.addDevice(kPlay, "out.usb", "USB Headset", false);
  MemorySettingsStore settings;
  PreferredDevices preferred(service, settings);
  EXPECT_TRUE(preferred.refresh().size() == 1);  // nothing in use before: playback changed
  EXPECT_EQ(preferred.current(kPlay)->name, "out.internal");
  EXPECT_FALSE(preferred.current(kRec).has_value());
  ASSERT_TRUE(preferred.choose(kPlay, "out.usb"));
  EXPECT_EQ(settings.readText("PlaybackDevice", ""), "out.usb");
  EXPECT_EQ(preferred.chosen(kPlay), "out.usb");
  EXPECT_EQ(preferred.current(kPlay)->name, "out.usb");
  EXPECT_TRUE(preferred.refresh().empty());

  // Another session reads the same choice.
  PreferredDevices again(service, settings);
  again.refresh();
  EXPECT_EQ(again.current(kPlay)->description, "USB Headset");

  ASSERT_TRUE(preferred.choose(kPlay, ""));
  EXPECT_EQ(settings.readText("PlaybackDevice", "none"), "none");
  EXPECT_EQ(preferred.current(kPlay)->name, "out.internal");
}

TEST(PreferredDevicesTest, UnpluggedDeviceFallsBackOnceAndReturns) {
  FakeMixerService service;
  service.addDevice(kRec, "mic.internal", "Internal Microphone", true);
  service.addDevice(kRec, "mic.usb", "USB Headset Microphone", false);
  MemorySettingsStore settings;
  settings.writeText("RecordingDevice", "mic.usb");
  PreferredDevices preferred(service, settings);
  preferred.refresh();
  EXPECT_EQ(preferred.current(kRec)->name, "mic.usb");

  service.removeDevice("mic.usb");
  auto changes = preferred.refresh();
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].kind, DeviceSwitchKind::FellBack);
  EXPECT_EQ(changes[0].direction, kRec);
  EXPECT_EQ(changes[0].chosenName, "mic.usb");
  EXPECT_EQ(changes[0].device.name, "mic.internal");
  EXPECT_TRUE(preferred.fellBack(kRec));
  EXPECT_EQ(preferred.current(kRec)->name, "mic.internal");
  EXPECT_TRUE(preferred.refresh().empty()) << "one report only";
  EXPECT_EQ(settings.readText("RecordingDevice", ""), "mic.usb") << "the choice is kept";

  service.addDevice(kRec, "mic.usb", "USB Headset Microphone", false);
  changes = preferred.refresh();
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].kind, DeviceSwitchKind::Returned);
  EXPECT_EQ(changes[0].device.name, "mic.usb");
  EXPECT_FALSE(preferred.fellBack(kRec));

  // Unplugged again: reported again.
  service.removeDevice("mic.usb");
  changes = preferred.refresh();
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].kind, DeviceSwitchKind::FellBack);
}

TEST(PreferredDevicesTest, MissingAtStartIsReportedAndDefaultChangesFollow) {
  FakeMixerService service;
  service.addDevice(kPlay, "a", "A", true);
  service.addDevice(kPlay, "b", "B", false);
  MemorySettingsStore settings;
  settings.writeText("PlaybackDevice", "headset");
  PreferredDevices preferred(service, settings);
  auto changes = preferred.refresh();
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].kind, DeviceSwitchKind::FellBack);
  EXPECT_EQ(changes[0].device.name, "a");

  // While falling back, a new default is followed without another report.
  service.setDefault(kPlay, "b");
  changes = preferred.refresh();
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].kind, DeviceSwitchKind::Changed);
  EXPECT_EQ(preferred.current(kPlay)->name, "b");

  // Choosing the default ends the fallback quietly.
  preferred.choose(kPlay, "");
  EXPECT_FALSE(preferred.fellBack(kPlay));
  EXPECT_TRUE(preferred.refresh().empty());
}

TEST(PreferredDevicesTest, UnreachableSoundSystemUsesNothingAndReportsNoFallback) {
  FakeMixerService service;
  service.addDevice(kRec, "mic", "Mic", true);
  MemorySettingsStore settings;
  settings.writeText("RecordingDevice", "mic");
  PreferredDevices preferred(service, settings);
  preferred.refresh();
  service.reachable = false;
  auto changes = preferred.refresh();
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].kind, DeviceSwitchKind::Changed);
  EXPECT_TRUE(changes[0].device.name.empty());
  EXPECT_FALSE(preferred.current(kRec).has_value());
  EXPECT_FALSE(preferred.fellBack(kRec));
  service.reachable = true;
  changes = preferred.refresh();
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].kind, DeviceSwitchKind::Changed);
  EXPECT_EQ(preferred.current(kRec)->name, "mic");
}

}  // namespace
}  // namespace qp
