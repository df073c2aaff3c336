#include "platform/PulseMixerConnection.h"

#include <cstring>
#include <utility>

#include "platform/PulseVolume.h"

namespace qp {
namespace {

// What a synchronous query collects; the callbacks fill it in and wake the waiting thread.
struct Query {
  PulseContext* context = nullptr;
  bool ok = false;
  std::vector<ServerDevice>* devices = nullptr;
  PulseDeviceState* state = nullptr;
  std::string defaultSink;
  std::string defaultSource;
};

// Runs one request on the connection under its lock and waits for its answer. False when
// there is no connection or the server refused the request.
template <typename Start>
bool runRequest(const std::shared_ptr<PulseContext>& context, Query& query, Start start) {
  if (!context) {
    return false;
  }
  PulseContext::Lock lock(*context);
  query.context = context.get();
  context->await(start(context->context()));
  return query.ok;
}

template <typename Info>
PulseDeviceState stateOf(const Info& info) {
  PulseDeviceState state;
  state.name = info.name != nullptr ? info.name : "";
  state.description = info.description != nullptr ? info.description : state.name;
  for (std::uint8_t i = 0; i < info.volume.channels; ++i) {
    state.volumes.push_back(PulseVolume::toMixer(info.volume.values[i]));
  }
  state.muted = info.mute != 0;
  state.headphones = info.active_port != nullptr && info.active_port->name != nullptr &&
                     std::strstr(info.active_port->name, "headphone") != nullptr;
  return state;
}

void onServerInfo(pa_context* /*context*/, const pa_server_info* info, void* data) {
  auto* query = static_cast<Query*>(data);
  if (info != nullptr) {
    query->defaultSink = info->default_sink_name != nullptr ? info->default_sink_name : "";
    query->defaultSource = info->default_source_name != nullptr ? info->default_source_name : "";
    query->ok = true;
  }
  query->context->signal();
}

template <typename Info>
void onDeviceInfo(const Info* info, int eol, Query* query, MixerDirection direction) {
  if (eol < 0) {
    query->ok = false;
  } else if (eol == 0 && info != nullptr) {
    if (query->devices != nullptr) {
      query->devices->push_back({direction, info->name, info->description, false});
    }
    if (query->state != nullptr) {
      *query->state = stateOf(*info);
      query->ok = true;
    }
    return;
  }
  query->context->signal();
}

void onSourceInfo(pa_context* /*context*/, const pa_source_info* info, int eol, void* data) {
  onDeviceInfo(info, eol, static_cast<Query*>(data), MixerDirection::Recording);
}

void onSinkInfo(pa_context* /*context*/, const pa_sink_info* info, int eol, void* data) {
  onDeviceInfo(info, eol, static_cast<Query*>(data), MixerDirection::Playback);
}

void onSuccess(pa_context* /*context*/, int success, void* data) {
  auto* query = static_cast<Query*>(data);
  query->ok = success != 0;
  query->context->signal();
}

}  // namespace

PulseMixerConnection::PulseMixerConnection(std::string clientName)
    : clientName_(std::move(clientName)) {}

PulseMixerConnection::~PulseMixerConnection() {
  // The event thread stops first, so that it posts nothing more to the notification thread.
  std::lock_guard lock(connectMutex_);
  context_.reset();
}

std::shared_ptr<PulseContext> PulseMixerConnection::connection() {
  std::lock_guard lock(connectMutex_);
  if (context_ && context_->isReady()) {
    return context_;
  }
  auto fresh = std::make_shared<PulseContext>();
  if (!fresh->connect(clientName_)) {
    return nullptr;
  }
  subscribe(*fresh);
  context_ = fresh;
  return context_;
}

void PulseMixerConnection::subscribe(PulseContext& context) {
  PulseContext::Lock lock(context);
  Query query;
  query.context = &context;
  context.await(pulse().pa_context_get_server_info(context.context(), &onServerInfo, &query));
  defaultSink_ = query.defaultSink;
  defaultSource_ = query.defaultSource;
  pulse().pa_context_set_subscribe_callback(context.context(), &PulseMixerConnection::onEvent,
                                            this);
  const auto mask = static_cast<pa_subscription_mask_t>(
      PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SOURCE | PA_SUBSCRIPTION_MASK_SERVER);
  context.await(pulse().pa_context_subscribe(context.context(), mask, &onSuccess, &query));
}

bool PulseMixerConnection::listDevices(std::vector<ServerDevice>& devices) {
  devices.clear();
  auto context = connection();
  if (!context) {
    return false;
  }
  PulseContext::Lock lock(*context);
  Query query;
  query.context = context.get();
  query.devices = &devices;
  context->await(pulse().pa_context_get_server_info(context->context(), &onServerInfo, &query));
  const bool haveServer = query.ok;
  query.ok = true;
  context->await(
      pulse().pa_context_get_source_info_list(context->context(), &onSourceInfo, &query));
  context->await(pulse().pa_context_get_sink_info_list(context->context(), &onSinkInfo, &query));
  if (!haveServer || !query.ok) {
    devices.clear();
    return false;
  }
  for (ServerDevice& device : devices) {
    device.isDefault =
        device.name ==
        (device.direction == MixerDirection::Recording ? query.defaultSource : query.defaultSink);
  }
  return true;
}

bool PulseMixerConnection::readDevice(MixerDirection direction, const std::string& name,
                                      PulseDeviceState& state) {
  Query query;
  query.state = &state;
  return runRequest(connection(), query, [&](pa_context* c) {
    return direction == MixerDirection::Recording
               ? pulse().pa_context_get_source_info_by_name(c, name.c_str(), &onSourceInfo, &query)
               : pulse().pa_context_get_sink_info_by_name(c, name.c_str(), &onSinkInfo, &query);
  });
}

bool PulseMixerConnection::writeVolume(MixerDirection direction, const std::string& name,
                                       const std::vector<std::uint32_t>& values) {
  pa_cvolume volume{};
  if (values.empty() || values.size() > PA_CHANNELS_MAX) {
    return false;
  }
  volume.channels = static_cast<std::uint8_t>(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    volume.values[i] = PulseVolume::fromMixer(values[i]);
  }
  Query query;
  return runRequest(connection(), query, [&](pa_context* c) {
    return direction == MixerDirection::Recording
               ? pulse().pa_context_set_source_volume_by_name(c, name.c_str(), &volume, &onSuccess,
                                                              &query)
               : pulse().pa_context_set_sink_volume_by_name(c, name.c_str(), &volume, &onSuccess,
                                                            &query);
  });
}

bool PulseMixerConnection::writeMute(MixerDirection direction, const std::string& name,
                                     bool muted) {
  const int mute = muted ? 1 : 0;
  Query query;
  return runRequest(connection(), query, [&](pa_context* c) {
    return direction == MixerDirection::Recording ? pulse().pa_context_set_source_mute_by_name(
                                                        c, name.c_str(), mute, &onSuccess, &query)
                                                  : pulse().pa_context_set_sink_mute_by_name(
                                                        c, name.c_str(), mute, &onSuccess, &query);
  });
}

int PulseMixerConnection::addDeviceListener(MixerDirection direction, DeviceListener listener) {
  connection();  // events flow once connected
  std::lock_guard lock(dispatchMutex_);
  const int id = nextListener_++;
  listeners_[id] = Listener{direction, std::move(listener)};
  return id;
}

void PulseMixerConnection::removeListener(int id) {
  std::lock_guard lock(dispatchMutex_);
  listeners_.erase(id);
}

void PulseMixerConnection::setDeviceChangeHandler(std::function<void()> handler) {
  if (handler) {
    connection();
  }
  std::lock_guard lock(dispatchMutex_);
  deviceChange_ = std::move(handler);
}

// --- event thread

void PulseMixerConnection::onEvent(pa_context* context, pa_subscription_event_type_t type,
                                   std::uint32_t /*index*/, void* self) {
  auto* connection = static_cast<PulseMixerConnection*>(self);
  const auto facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
  const auto kind = type & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
  if (facility == PA_SUBSCRIPTION_EVENT_SERVER) {
    // A default device may have changed: compare once the server's answer is in.
    pa_operation* op =
        pulse().pa_context_get_server_info(context, &PulseMixerConnection::onServerEvent, self);
    if (op != nullptr) {
      pulse().pa_operation_unref(op);
    }
  } else if (kind != PA_SUBSCRIPTION_EVENT_CHANGE) {
    connection->dispatchDeviceChange();  // a device came or went
  } else if (facility == PA_SUBSCRIPTION_EVENT_SINK) {
    connection->dispatchDevice(MixerDirection::Playback);
  } else if (facility == PA_SUBSCRIPTION_EVENT_SOURCE) {
    connection->dispatchDevice(MixerDirection::Recording);
  }
}

void PulseMixerConnection::onServerEvent(pa_context* /*context*/, const pa_server_info* info,
                                         void* self) {
  auto* connection = static_cast<PulseMixerConnection*>(self);
  if (info == nullptr) {
    return;
  }
  const std::string sink = info->default_sink_name != nullptr ? info->default_sink_name : "";
  const std::string source = info->default_source_name != nullptr ? info->default_source_name : "";
  if (sink != connection->defaultSink_ || source != connection->defaultSource_) {
    connection->defaultSink_ = sink;
    connection->defaultSource_ = source;
    connection->dispatchDeviceChange();
  }
}

void PulseMixerConnection::dispatchDevice(MixerDirection direction) {
  notifications_.post([this, direction] {
    std::lock_guard lock(dispatchMutex_);
    std::vector<int> ids;
    for (const auto& [id, listener] : listeners_) {
      if (listener.direction == direction) {
        ids.push_back(id);
      }
    }
    for (const int id : ids) {
      const auto found = listeners_.find(id);
      if (found != listeners_.end()) {
        const auto call = found->second.call;  // the listener may remove itself
        call();
      }
    }
  });
}

void PulseMixerConnection::dispatchDeviceChange() {
  notifications_.post([this] {
    std::lock_guard lock(dispatchMutex_);
    const auto handler = deviceChange_;
    if (handler) {
      handler();
    }
  });
}

}  // namespace qp
