#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "devices/Mixer.h"
#include "platform/PulseMixerConnection.h"

namespace qp {

// The mixer of one source or sink of the sound server: one destination line (wave-in for a
// source; speakers, or headphones when that port is active, for a sink) named by the
// device's description, with a volume control (one value per channel) and a mute control;
// no source lines. Every query asks the server, so a device that went away fails at once.
// Change handlers hear about changes made by anyone but this mixer: the server's events carry
// no author, so after each event the device is read again and compared with what this mixer
// last saw or wrote; writes and those comparisons never overlap.
class PulseMixer final : public Mixer {
 public:
  static constexpr std::uint32_t kLineId = 0xFFFF0000;
  static constexpr std::uint32_t kVolumeControlId = 1;
  static constexpr std::uint32_t kMuteControlId = 2;

  PulseMixer(std::shared_ptr<PulseMixerConnection> connection, MixerDirection direction,
             std::string deviceName);
  ~PulseMixer() override;

  int destinationCount() override;
  bool lineInfo(int destination, int source, MixerLineInfo& info) override;
  bool findControl(std::uint32_t lineId, std::uint32_t type, MixerControl& control) override;
  bool listItems(const MixerControl& control, std::vector<std::uint32_t>& lineIds) override;
  bool readValues(const MixerControl& control, int count,
                  std::vector<std::uint32_t>& values) override;
  bool writeValues(const MixerControl& control, const std::vector<std::uint32_t>& values) override;
  void setChangeHandler(std::function<void(std::uint32_t)> handler) override;

 private:
  void onDeviceEvent();

  std::shared_ptr<PulseMixerConnection> connection_;
  MixerDirection direction_;
  std::string deviceName_;
  std::mutex mutex_;        // guards what the notification thread shares
  PulseDeviceState known_;  // the device as last seen or written
  std::function<void(std::uint32_t)> handler_;
  int listener_ = 0;
};

}  // namespace qp
