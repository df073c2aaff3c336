#include "platform/PulseMixer.h"

#include <utility>

namespace qp {

PulseMixer::PulseMixer(std::shared_ptr<PulseMixerConnection> connection, MixerDirection direction,
                       std::string deviceName)
    : connection_(std::move(connection)),
      direction_(direction),
      deviceName_(std::move(deviceName)) {}

PulseMixer::~PulseMixer() {
  setChangeHandler(nullptr);
}

int PulseMixer::destinationCount() {
  PulseDeviceState state;
  return connection_->readDevice(direction_, deviceName_, state) ? 1 : -1;
}

bool PulseMixer::lineInfo(int destination, int source, MixerLineInfo& info) {
  PulseDeviceState state;
  if (destination != 0 || source >= 0 || !connection_->readDevice(direction_, deviceName_, state)) {
    return false;
  }
  info = MixerLineInfo{};
  info.destination = 0;
  info.lineId = kLineId;
  if (direction_ == MixerDirection::Recording) {
    info.componentType = kLineDestinationWaveIn;
  } else {
    info.componentType = state.headphones ? kLineDestinationHeadphones : kLineDestinationSpeakers;
  }
  info.channels = static_cast<int>(state.volumes.size());
  info.longName = state.description;
  return true;
}

bool PulseMixer::findControl(std::uint32_t lineId, std::uint32_t type, MixerControl& control) {
  if (lineId != kLineId || (type != kControlVolume && type != kControlMute)) {
    return false;
  }
  PulseDeviceState state;
  if (!connection_->readDevice(direction_, deviceName_, state)) {
    return false;
  }
  control = MixerControl{type == kControlVolume ? kVolumeControlId : kMuteControlId, type, 0, 0};
  return true;
}

bool PulseMixer::listItems(const MixerControl& /*control*/, std::vector<std::uint32_t>& /*ids*/) {
  return false;  // no selection lists
}

bool PulseMixer::readValues(const MixerControl& control, int count,
                            std::vector<std::uint32_t>& values) {
  PulseDeviceState state;
  if (count <= 0 || !connection_->readDevice(direction_, deviceName_, state)) {
    return false;
  }
  if (control.id == kMuteControlId) {
    values.assign(static_cast<std::size_t>(count), state.muted ? 1u : 0u);
    return true;
  }
  if (control.id != kVolumeControlId || static_cast<std::size_t>(count) > state.volumes.size()) {
    return false;
  }
  values.assign(state.volumes.begin(), state.volumes.begin() + count);
  return true;
}

bool PulseMixer::writeValues(const MixerControl& control,
                             const std::vector<std::uint32_t>& values) {
  if (values.empty() || (control.id != kVolumeControlId && control.id != kMuteControlId)) {
    return false;
  }
  // Held until the server has applied the write, so that no change event is compared with
  // what this mixer expects while the write is on its way.
  std::lock_guard lock(mutex_);
  const bool written = control.id == kVolumeControlId
                           ? connection_->writeVolume(direction_, deviceName_, values)
                           : connection_->writeMute(direction_, deviceName_, values.front() != 0);
  if (written && control.id == kVolumeControlId) {
    known_.volumes = values;
  } else if (written) {
    known_.muted = values.front() != 0;
  }
  return written;
}

void PulseMixer::setChangeHandler(std::function<void(std::uint32_t)> handler) {
  if (!handler) {
    if (listener_ != 0) {
      connection_->removeListener(listener_);
      listener_ = 0;
    }
    std::lock_guard lock(mutex_);
    handler_ = nullptr;
    return;
  }
  {
    std::lock_guard lock(mutex_);
    PulseDeviceState state;
    connection_->readDevice(direction_, deviceName_, state);
    known_ = state;
    handler_ = std::move(handler);
  }
  if (listener_ == 0) {
    listener_ = connection_->addDeviceListener(direction_, [this] { onDeviceEvent(); });
  }
}

// On the notification thread, after a change event of some device of this side.
void PulseMixer::onDeviceEvent() {
  std::unique_lock lock(mutex_);
  PulseDeviceState state;
  if (!connection_->readDevice(direction_, deviceName_, state)) {
    return;  // gone: the device list's change handler deals with that
  }
  const bool volumeChanged = state.volumes != known_.volumes;
  const bool muteChanged = state.muted != known_.muted;
  known_ = state;
  const auto handler = handler_;
  lock.unlock();
  if (!handler) {
    return;
  }
  if (volumeChanged) {
    handler(kVolumeControlId);
  }
  if (muteChanged) {
    handler(kMuteControlId);
  }
}

}  // namespace qp
