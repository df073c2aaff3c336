#pragma once

#include <memory>
#include <string>

#include "devices/MixerService.h"

namespace qp {

class PulseMixerConnection;

// The sound server's sources (recording devices) and sinks (playback devices) with their
// mixers, over a connection of its own to the server (PulseAudio, or PipeWire's PulseAudio
// server). The mixers it opens keep the connection alive and may outlive the service.
class PulseMixerService final : public MixerService {
 public:
  explicit PulseMixerService(std::string clientName = "Quillophone mixer");
  ~PulseMixerService() override;

  bool listDevices(std::vector<ServerDevice>& devices) override;
  std::unique_ptr<Mixer> openMixer(MixerDirection direction, const std::string& name) override;
  void setDeviceChangeHandler(std::function<void()> handler) override;

 private:
  std::shared_ptr<PulseMixerConnection> connection_;
};

}  // namespace qp
