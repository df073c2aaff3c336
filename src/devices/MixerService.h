#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "devices/Mixer.h"
#include "devices/MixerTypes.h"

namespace qp {

// The sound system's devices and their mixers. platform/ implements it over the sound
// server; tests script it.
class MixerService {
 public:
  virtual ~MixerService() = default;

  // The recording devices, then the playback devices, each in the server's order. False when
  // the sound system cannot be reached (devices is then empty).
  virtual bool listDevices(std::vector<ServerDevice>& devices) = 0;

  // The mixer of the named device; null when there is no such device.
  virtual std::unique_ptr<Mixer> openMixer(MixerDirection direction, const std::string& name) = 0;

  // handler() is called, on the service's notification thread, whenever a device comes or
  // goes or a default device changes. Same rules as Mixer::setChangeHandler.
  virtual void setDeviceChangeHandler(std::function<void()> handler) = 0;
};

}  // namespace qp
