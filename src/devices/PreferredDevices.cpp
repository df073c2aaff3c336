#include "devices/PreferredDevices.h"

#include <algorithm>

namespace qp {
namespace {

const ServerDevice* findByName(const std::vector<ServerDevice>& devices, MixerDirection direction,
                               const std::string& name) {
  const auto found = std::find_if(devices.begin(), devices.end(), [&](const ServerDevice& d) {
    return d.direction == direction && d.name == name;
  });
  return found == devices.end() ? nullptr : &*found;
}

std::string nameOf(const std::optional<ServerDevice>& device) {
  return device ? device->name : std::string();
}

}  // namespace

PreferredDevices::PreferredDevices(MixerService& service, SettingsStore& settings)
    : service_(service), settings_(settings) {}

const char* PreferredDevices::settingName(MixerDirection direction) {
  return direction == MixerDirection::Recording ? "RecordingDevice" : "PlaybackDevice";
}

std::optional<ServerDevice> PreferredDevices::resolve(const std::vector<ServerDevice>& devices,
                                                      MixerDirection direction,
                                                      const std::string& chosen) {
  if (!chosen.empty()) {
    if (const ServerDevice* device = findByName(devices, direction, chosen)) {
      return *device;
    }
  }
  const ServerDevice* first = nullptr;
  for (const ServerDevice& device : devices) {
    if (device.direction != direction) {
      continue;
    }
    if (device.isDefault) {
      return device;
    }
    if (first == nullptr) {
      first = &device;
    }
  }
  return first != nullptr ? std::optional<ServerDevice>(*first) : std::nullopt;
}

std::string PreferredDevices::chosen(MixerDirection direction) const {
  return settings_.readText(settingName(direction), "");
}

bool PreferredDevices::choose(MixerDirection direction, const std::string& name) {
  const bool stored = name.empty() ? settings_.removeValue(settingName(direction))
                                   : settings_.writeText(settingName(direction), name);
  fellBack_[index(direction)] = false;
  current_[index(direction)] = resolve(devices_, direction, name);
  return stored;
}

const std::optional<ServerDevice>& PreferredDevices::current(MixerDirection direction) const {
  return current_[index(direction)];
}

std::optional<DeviceSwitch> PreferredDevices::refreshSide(MixerDirection direction,
                                                          bool reachable) {
  const std::size_t i = index(direction);
  const std::string choice = chosen(direction);
  const std::string before = nameOf(current_[i]);
  current_[i] = resolve(devices_, direction, choice);
  DeviceSwitch change{direction, DeviceSwitchKind::Changed, choice,
                      current_[i].value_or(ServerDevice{direction, "", "", false})};
  const bool present = !choice.empty() && findByName(devices_, direction, choice) != nullptr;
  if (!choice.empty() && !present && reachable && !fellBack_[i]) {
    fellBack_[i] = true;
    change.kind = DeviceSwitchKind::FellBack;
    return change;
  }
  if (fellBack_[i] && (present || choice.empty())) {
    fellBack_[i] = false;
    if (present) {
      change.kind = DeviceSwitchKind::Returned;
      return change;
    }
  }
  if (nameOf(current_[i]) != before) {
    return change;
  }
  return std::nullopt;
}

std::vector<DeviceSwitch> PreferredDevices::refresh() {
  devices_.clear();
  const bool reachable = service_.listDevices(devices_);
  if (!reachable) {
    devices_.clear();
  }
  std::vector<DeviceSwitch> changes;
  for (const MixerDirection direction : {MixerDirection::Recording, MixerDirection::Playback}) {
    if (auto change = refreshSide(direction, reachable)) {
      changes.push_back(std::move(*change));
    }
  }
  return changes;
}

}  // namespace qp
