#include "platform/PulseMixerService.h"

#include "platform/PulseMixer.h"
#include "platform/PulseMixerConnection.h"

namespace qp {

PulseMixerService::PulseMixerService(std::string clientName)
    : connection_(std::make_shared<PulseMixerConnection>(std::move(clientName))) {}

PulseMixerService::~PulseMixerService() {
  connection_->setDeviceChangeHandler(nullptr);
}

bool PulseMixerService::listDevices(std::vector<ServerDevice>& devices) {
  return connection_->listDevices(devices);
}

std::unique_ptr<Mixer> PulseMixerService::openMixer(MixerDirection direction,
                                                    const std::string& name) {
  PulseDeviceState state;
  if (!connection_->readDevice(direction, name, state)) {
    return nullptr;
  }
  return std::make_unique<PulseMixer>(connection_, direction, name);
}

void PulseMixerService::setDeviceChangeHandler(std::function<void()> handler) {
  connection_->setDeviceChangeHandler(std::move(handler));
}

}  // namespace qp
