#include "devices/FakeMixer.h"

#include <algorithm>

namespace qp::test {

int FakeMixerDevice::addDestination(std::uint32_t componentType, const std::string& name,
                                    int channels, const std::string& shortName) {
  Line line;
  line.info.destination = static_cast<int>(destinations_.size());
  line.info.lineId = nextLineId_++;
  line.info.componentType = componentType;
  line.info.channels = channels;
  line.info.longName = name;
  line.info.shortName = shortName;
  destinations_.push_back(line);
  return line.info.destination;
}

std::uint32_t FakeMixerDevice::addSource(int destination, std::uint32_t componentType,
                                         const std::string& name, int channels) {
  auto& list = sources_[destination];
  Line line;
  line.info.destination = destination;
  line.info.source = static_cast<int>(list.size());
  line.info.lineId = nextLineId_++;
  line.info.componentType = componentType;
  line.info.channels = channels;
  line.info.longName = name;
  list.push_back(line);
  destinations_.at(static_cast<std::size_t>(destination)).info.sourceCount =
      static_cast<int>(list.size());
  return line.info.lineId;
}

std::uint32_t FakeMixerDevice::lineIdOf(int destination, int source) const {
  return source < 0 ? destinations_.at(static_cast<std::size_t>(destination)).info.lineId
                    : sources_.at(destination).at(static_cast<std::size_t>(source)).info.lineId;
}

std::uint32_t FakeMixerDevice::addControl(std::uint32_t lineId, std::uint32_t type,
                                          std::vector<std::uint32_t> values, std::uint32_t flags,
                                          std::vector<std::uint32_t> itemLineIds) {
  Control control;
  control.lineId = lineId;
  control.control =
      MixerControl{nextControlId_++, type, flags, static_cast<int>(itemLineIds.size())};
  control.values = std::move(values);
  control.items = std::move(itemLineIds);
  controls_[control.control.id] = control;
  return control.control.id;
}

void FakeMixerDevice::notify(std::uint32_t controlId, const void* except) {
  const auto handlers = handlers_;  // a handler may close its mixer
  for (const auto& [owner, handler] : handlers) {
    if (owner != except && handler) {
      handler(controlId);
    }
  }
}

void FakeMixerDevice::changeExternally(std::uint32_t controlId, std::vector<std::uint32_t> values) {
  controls_.at(controlId).values = std::move(values);
  notify(controlId, nullptr);
}

int FakeMixer::destinationCount() {
  return device_->unreachable ? -1 : static_cast<int>(device_->destinations_.size());
}

bool FakeMixer::lineInfo(int destination, int source, MixerLineInfo& info) {
  if (device_->unreachable || destination < 0 ||
      destination >= static_cast<int>(device_->destinations_.size())) {
    return false;
  }
  if (source < 0) {
    info = device_->destinations_[static_cast<std::size_t>(destination)].info;
    return true;
  }
  const auto& list = device_->sources_[destination];
  if (source >= static_cast<int>(list.size())) {
    return false;
  }
  info = list[static_cast<std::size_t>(source)].info;
  return true;
}

bool FakeMixer::findControl(std::uint32_t lineId, std::uint32_t type, MixerControl& control) {
  if (device_->unreachable) {
    return false;
  }
  for (const auto& [id, entry] : device_->controls_) {
    if (entry.lineId == lineId && entry.control.type == type) {
      control = entry.control;
      return true;
    }
  }
  return false;
}

bool FakeMixer::listItems(const MixerControl& control, std::vector<std::uint32_t>& lineIds) {
  if (device_->unreachable || device_->controls_.count(control.id) == 0) {
    return false;
  }
  lineIds = device_->controls_[control.id].items;
  return true;
}

bool FakeMixer::readValues(const MixerControl& control, int count,
                           std::vector<std::uint32_t>& values) {
  if (device_->unreachable || device_->controls_.count(control.id) == 0) {
    return false;
  }
  const auto& stored = device_->controls_[control.id].values;
  if (count <= 0 || static_cast<std::size_t>(count) > stored.size()) {
    return false;
  }
  values.assign(stored.begin(), stored.begin() + count);
  return true;
}

bool FakeMixer::writeValues(const MixerControl& control, const std::vector<std::uint32_t>& values) {
  if (device_->unreachable || device_->controls_.count(control.id) == 0) {
    return false;
  }
  auto& stored = device_->controls_[control.id].values;
  if (values.size() != stored.size()) {
    return false;  // the program must write every channel or item
  }
  stored = values;
  ++device_->writes;
  device_->notify(control.id, this);
  return true;
}

void FakeMixer::setChangeHandler(std::function<void(std::uint32_t)> handler) {
  if (handler) {
    device_->handlers_[this] = std::move(handler);
  } else {
    device_->handlers_.erase(this);
  }
}

std::shared_ptr<FakeMixerDevice> FakeMixerService::addDevice(MixerDirection direction,
                                                             const std::string& name,
                                                             const std::string& description,
                                                             bool isDefault) {
  devices.push_back({direction, name, description, isDefault});
  auto device = std::make_shared<FakeMixerDevice>();
  mixers_[name] = device;
  return device;
}

void FakeMixerService::removeDevice(const std::string& name) {
  devices.erase(std::remove_if(devices.begin(), devices.end(),
                               [&](const ServerDevice& d) { return d.name == name; }),
                devices.end());
}

void FakeMixerService::setDefault(MixerDirection direction, const std::string& name) {
  for (ServerDevice& device : devices) {
    if (device.direction == direction) {
      device.isDefault = device.name == name;
    }
  }
}

void FakeMixerService::announceDeviceChange() {
  if (handler_) {
    handler_();
  }
}

bool FakeMixerService::listDevices(std::vector<ServerDevice>& out) {
  out.clear();
  if (!reachable) {
    return false;
  }
  out = devices;
  return true;
}

std::unique_ptr<Mixer> FakeMixerService::openMixer(MixerDirection direction,
                                                   const std::string& name) {
  const bool listed = std::any_of(devices.begin(), devices.end(), [&](const ServerDevice& d) {
    return d.direction == direction && d.name == name;
  });
  if (!reachable || !listed || mixers_.count(name) == 0) {
    return nullptr;
  }
  return std::make_unique<FakeMixer>(mixers_[name]);
}

}  // namespace qp::test
