#include "platform/PulseAudioBackend.h"

#include <utility>

#include "platform/PulseCapturePort.h"
#include "platform/PulseContext.h"
#include "platform/PulsePlaybackPort.h"

namespace qp {
namespace {

void onDeviceInfo(PulseContext* context, bool found, int eol, bool& exists) {
  exists = exists || (eol == 0 && found);
  if (eol != 0) {
    context->signal();
  }
}

// Whether the server has a source (or sink) of that name; an empty name is the default,
// which always counts as present.
bool devicePresent(PulseContext& context, bool source, const std::string& name) {
  if (name.empty()) {
    return true;
  }
  struct Query {
    PulseContext* context = nullptr;
    bool exists = false;
  } query{&context};
  PulseContext::Lock lock(context);
  if (source) {
    context.await(pulse().pa_context_get_source_info_by_name(
        context.context(), name.c_str(),
        [](pa_context*, const pa_source_info* info, int eol, void* data) {
          auto* q = static_cast<Query*>(data);
          onDeviceInfo(q->context, info != nullptr, eol, q->exists);
        },
        &query));
  } else {
    context.await(pulse().pa_context_get_sink_info_by_name(
        context.context(), name.c_str(),
        [](pa_context*, const pa_sink_info* info, int eol, void* data) {
          auto* q = static_cast<Query*>(data);
          onDeviceInfo(q->context, info != nullptr, eol, q->exists);
        },
        &query));
  }
  return query.exists;
}

}  // namespace

PulseAudioBackend::PulseAudioBackend(std::string clientName) : clientName_(std::move(clientName)) {}

PulseAudioBackend::~PulseAudioBackend() = default;

std::shared_ptr<PulseContext> PulseAudioBackend::connection() {
  std::lock_guard lock(mutex_);
  if (context_ && context_->isReady()) {
    return context_;
  }
  auto fresh = std::make_shared<PulseContext>();
  if (!fresh->connect(clientName_)) {
    return nullptr;
  }
  context_ = fresh;
  return context_;
}

void PulseAudioBackend::setPreferredDevices(const std::string& source, const std::string& sink) {
  std::lock_guard lock(mutex_);
  preferredSource_ = source;
  preferredSink_ = sink;
}

std::string PulseAudioBackend::preferredDevice(PulseContext& context, bool source) {
  std::string name;
  {
    std::lock_guard lock(mutex_);
    name = source ? preferredSource_ : preferredSink_;
  }
  // A preferred device that is away leaves the stream to the default.
  return devicePresent(context, source, name) ? name : std::string();
}

int PulseAudioBackend::openInput(const WaveFormat& format, AudioEvent& completion,
                                 std::unique_ptr<WaveInPort>& port) {
  auto context = connection();
  if (!context) {
    return MMSYSERR_NODRIVER;
  }
  const std::string source = preferredDevice(*context, true);
  auto capture = std::make_unique<PulseCapturePort>(context, completion);
  int result = capture->connect(format, source);
  if (result == MMSYSERR_BADDEVICEID && !source.empty()) {
    result = capture->connect(format);  // it went away just now: the default
  }
  if (result == 0) {
    port = std::move(capture);
  }
  return result;
}

int PulseAudioBackend::openOutput(const WaveFormat& format, AudioEvent& completion,
                                  std::unique_ptr<WaveOutPort>& port) {
  auto context = connection();
  if (!context) {
    return MMSYSERR_NODRIVER;
  }
  const std::string sink = preferredDevice(*context, false);
  auto playback = std::make_unique<PulsePlaybackPort>(context, completion);
  int result = playback->connect(format, sink);
  if (result == MMSYSERR_BADDEVICEID && !sink.empty()) {
    result = playback->connect(format);
  }
  if (result == 0) {
    port = std::move(playback);
  }
  return result;
}

}  // namespace qp
