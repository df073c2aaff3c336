#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/SettingsStore.h"
#include "devices/MixerService.h"

namespace qp {

// How the device in use on one side changed at a refresh.
enum class DeviceSwitchKind {
  FellBack,  // the chosen device went away: the default is used (tell the user, once)
  Returned,  // the chosen device is back and in use again
  Changed,   // another device is in use for another reason (the default changed, ...)
};

struct DeviceSwitch {
  MixerDirection direction = MixerDirection::Recording;
  DeviceSwitchKind kind = DeviceSwitchKind::Changed;
  std::string chosenName;  // the device the user chose; empty for the default
  ServerDevice device;     // the device now in use; empty name when there is none
};

// The user's choice of recording and playback device, kept by the device's name (stable
// across reboots and replugging, unlike an index) in the settings values "RecordingDevice"
// and "PlaybackDevice"; empty or missing means the server's default. The device in use is
// the chosen one while it is present, else the default, else the first of its side. When the
// chosen device goes away, one FellBack switch is reported; the next refresh that finds it
// again reports Returned. UI thread only; the service and settings outlive the object.
class PreferredDevices {
 public:
  PreferredDevices(MixerService& service, SettingsStore& settings);

  static const char* settingName(MixerDirection direction);

  // The device to use from a list, as described above; nothing when the side has none.
  static std::optional<ServerDevice> resolve(const std::vector<ServerDevice>& devices,
                                             MixerDirection direction, const std::string& chosen);

  // The stored choice; empty for the default.
  std::string chosen(MixerDirection direction) const;
  // Stores the choice (empty: the default) and uses it at once when present. False when the
  // settings could not be written.
  bool choose(MixerDirection direction, const std::string& name);

  // Reads the device list again (call it first, and whenever the service reports a device
  // change) and returns how the devices in use changed, recording side first. The first
  // refresh reports a missing chosen device as FellBack. While the sound system cannot be
  // reached nothing is in use and no FellBack is reported.
  std::vector<DeviceSwitch> refresh();

  // The device in use since the last refresh; nothing when there is none.
  const std::optional<ServerDevice>& current(MixerDirection direction) const;
  // True while the chosen device is missing and the default stands in for it.
  bool fellBack(MixerDirection direction) const { return fellBack_[index(direction)]; }
  // The device list of the last refresh.
  const std::vector<ServerDevice>& devices() const { return devices_; }

 private:
  static std::size_t index(MixerDirection direction) {
    return direction == MixerDirection::Recording ? 0 : 1;
  }
  std::optional<DeviceSwitch> refreshSide(MixerDirection direction, bool reachable);

  MixerService& service_;
  SettingsStore& settings_;
  std::vector<ServerDevice> devices_;
  std::array<std::optional<ServerDevice>, 2> current_;
  std::array<bool, 2> fellBack_{false, false};
};

}  // namespace qp
