#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "devices/MixerService.h"

namespace qp::test {

// One scripted sound device's mixer: destinations, their sources and the controls of each
// line, with the values they hold. Mixers opened on it share it; a write through one of them
// notifies the others, an external change (another program) notifies all. Change handlers
// run at once on the calling thread.
class FakeMixerDevice {
 public:
  // Returns the new destination's index.
  int addDestination(std::uint32_t componentType, const std::string& name, int channels = 1,
                     const std::string& shortName = {});
  // Returns the new source's line id.
  std::uint32_t addSource(int destination, std::uint32_t componentType, const std::string& name,
                          int channels = 1);
  std::uint32_t lineIdOf(int destination, int source = -1) const;
  // Returns the control id. values: the initial values (one per channel, item or switch).
  std::uint32_t addControl(std::uint32_t lineId, std::uint32_t type,
                           std::vector<std::uint32_t> values, std::uint32_t flags = 0,
                           std::vector<std::uint32_t> itemLineIds = {});

  std::vector<std::uint32_t>& values(std::uint32_t controlId) {
    return controls_.at(controlId).values;
  }
  // Another program changes a control.
  void changeExternally(std::uint32_t controlId, std::vector<std::uint32_t> values);

  bool unreachable = false;  // every query fails, as for a device that went away
  int writes = 0;            // writeValues calls that succeeded

 private:
  friend class FakeMixer;
  struct Line {
    MixerLineInfo info;
  };
  struct Control {
    std::uint32_t lineId = 0;
    MixerControl control;
    std::vector<std::uint32_t> values;
    std::vector<std::uint32_t> items;
  };
  void notify(std::uint32_t controlId, const void* except);

  std::vector<Line> destinations_;
  std::map<int, std::vector<Line>> sources_;
  std::map<std::uint32_t, Control> controls_;
  std::map<const void*, std::function<void(std::uint32_t)>> handlers_;
  std::uint32_t nextLineId_ = 0xFFFF0000;
  std::uint32_t nextControlId_ = 1;
};

// A Mixer opened on a FakeMixerDevice.
class FakeMixer final : public Mixer {
 public:
  explicit FakeMixer(std::shared_ptr<FakeMixerDevice> device) : device_(std::move(device)) {}
  ~FakeMixer() override { device_->handlers_.erase(this); }

  int destinationCount() override;
  bool lineInfo(int destination, int source, MixerLineInfo& info) override;
  bool findControl(std::uint32_t lineId, std::uint32_t type, MixerControl& control) override;
  bool listItems(const MixerControl& control, std::vector<std::uint32_t>& lineIds) override;
  bool readValues(const MixerControl& control, int count,
                  std::vector<std::uint32_t>& values) override;
  bool writeValues(const MixerControl& control, const std::vector<std::uint32_t>& values) override;
  void setChangeHandler(std::function<void(std::uint32_t)> handler) override;

 private:
  std::shared_ptr<FakeMixerDevice> device_;
};

// A scripted sound system: devices with their mixers (a device without a mixer has none to
// open); device changes are announced by the test through announceDeviceChange().
class FakeMixerService final : public MixerService {
 public:
  // Adds a device; returns its mixer to script.
  std::shared_ptr<FakeMixerDevice> addDevice(MixerDirection direction, const std::string& name,
                                             const std::string& description,
                                             bool isDefault = false);
  void removeDevice(const std::string& name);
  void setDefault(MixerDirection direction, const std::string& name);
  void announceDeviceChange();

  bool listDevices(std::vector<ServerDevice>& devices) override;
  std::unique_ptr<Mixer> openMixer(MixerDirection direction, const std::string& name) override;
  void setDeviceChangeHandler(std::function<void()> handler) override {
    handler_ = std::move(handler);
  }

  bool reachable = true;
  std::vector<ServerDevice> devices;

 private:
  std::map<std::string, std::shared_ptr<FakeMixerDevice>> mixers_;
  std::function<void()> handler_;
};

}  // namespace qp::test
