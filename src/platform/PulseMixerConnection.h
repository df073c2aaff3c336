#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "devices/MixerTypes.h"
#include "platform/NotificationThread.h"
#include "platform/PulseContext.h"

namespace qp {

// One source or sink as the mixer sees it. Volumes are on the mixer's scale (0 .. 65535),
// one per channel.
struct PulseDeviceState {
  std::string name;
  std::string description;
  std::vector<std::uint32_t> volumes;
  bool muted = false;
  bool headphones = false;  // the active port is a headphone jack
};

// The mixer's connection to the sound server: device lists, volume and mute of one source or
// sink, and the server's change events. Events arrive on the server's event thread and are
// handed to listeners on a notification thread of its own, where they may call back into
// this object. Queries and writes are safe from any other thread and wait
// for the server's answer. The connection is made at the first use and made again after it
// was lost.
class PulseMixerConnection {
 public:
  explicit PulseMixerConnection(std::string clientName);
  ~PulseMixerConnection();
  PulseMixerConnection(const PulseMixerConnection&) = delete;
  PulseMixerConnection& operator=(const PulseMixerConnection&) = delete;

  bool listDevices(std::vector<ServerDevice>& devices);
  bool readDevice(MixerDirection direction, const std::string& name, PulseDeviceState& state);
  // values: one per channel of the device.
  bool writeVolume(MixerDirection direction, const std::string& name,
                   const std::vector<std::uint32_t>& values);
  bool writeMute(MixerDirection direction, const std::string& name, bool muted);

  // listener() runs on the notification thread after every change event of a device of the
  // direction (volume, mute, port, state, ...); it reads what it needs itself. Returns an id
  // for removeListener.
  using DeviceListener = std::function<void()>;
  int addDeviceListener(MixerDirection direction, DeviceListener listener);
  // After it returns the listener is not running and is never called again.
  void removeListener(int id);
  // handler() runs on the notification thread when a device comes or goes or a default
  // device changes; nullptr removes it, with the same guarantee.
  void setDeviceChangeHandler(std::function<void()> handler);

 private:
  struct Listener {
    MixerDirection direction = MixerDirection::Recording;
    DeviceListener call;
  };

  std::shared_ptr<PulseContext> connection();
  void subscribe(PulseContext& context);
  static void onEvent(pa_context* context, pa_subscription_event_type_t type, std::uint32_t index,
                      void* self);
  static void onServerEvent(pa_context* context, const pa_server_info* info, void* self);
  void dispatchDevice(MixerDirection direction);
  void dispatchDeviceChange();

  std::string clientName_;
  std::mutex connectMutex_;
  std::shared_ptr<PulseContext> context_;
  std::string defaultSink_;             // as last seen by the event thread
  std::string defaultSource_;           //
  std::recursive_mutex dispatchMutex_;  // held while a listener runs
  std::map<int, Listener> listeners_;
  int nextListener_ = 1;
  std::function<void()> deviceChange_;
  NotificationThread notifications_;
};

}  // namespace qp
