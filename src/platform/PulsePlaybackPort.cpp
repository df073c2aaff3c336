#include "platform/PulsePlaybackPort.h"

#include <string>
#include <utility>

#include "common/DiagnosticTrace.h"

namespace qp {
namespace {

// How often the playback position is checked against the written buffers.
constexpr pa_usec_t kPollUsec = 5000;
// Latency the stream asks of the server.
constexpr pa_usec_t kTargetLatencyUsec = 60000;

}  // namespace

PulsePlaybackPort::PulsePlaybackPort(std::shared_ptr<PulseContext> context, AudioEvent& completion)
    : context_(std::move(context)), queue_(completion) {}

PulsePlaybackPort::~PulsePlaybackPort() {
  disconnect();
}

void PulsePlaybackPort::onStateChange(pa_stream* /*stream*/, void* self) {
  static_cast<PulsePlaybackPort*>(self)->context_->signal();
}

void PulsePlaybackPort::onSuccess(pa_stream* /*stream*/, int /*success*/, void* self) {
  static_cast<PulsePlaybackPort*>(self)->context_->signal();
}

void PulsePlaybackPort::onUnderflow(pa_stream* /*stream*/, void* self) {
  // Everything written has been played.
  static_cast<PulsePlaybackPort*>(self)->completePlayed(true);
}

void PulsePlaybackPort::onTimer(pa_mainloop_api* api, pa_time_event* event,
                                const struct timeval* /*tv*/, void* self) {
  auto* port = static_cast<PulsePlaybackPort*>(self);
  port->completePlayed(false);
  (void)api;
  pulse().pa_context_rttime_restart(port->context_->context(), event,
                                    pulse().pa_rtclock_now() + kPollUsec);
}

void PulsePlaybackPort::completePlayed(bool all) {
  if (pendingEnds_.empty() || !stream_) {
    return;
  }
  std::uint64_t played = writtenBytes_;
  pa_usec_t now = 0;
  if (!all) {
    if (pulse().pa_stream_get_time(stream_.get(), &now) < 0) {
      return;
    }
    played = pulse().pa_usec_to_bytes(now, &spec_);
  }
  while (!pendingEnds_.empty() && pendingEnds_.front() <= played) {
    pendingEnds_.pop_front();
    queue_.completeFront();
  }
}

int PulsePlaybackPort::connect(const WaveFormat& format, const std::string& sink) {
  if (!PulseContext::sampleSpec(format, spec_)) {
    return MMSYSERR_INVALPARAM;
  }
  PulseContext::Lock lock(*context_);
  stream_.reset(pulse().pa_stream_new(context_->context(), "Note", &spec_, nullptr));
  if (!stream_) {
    return MMSYSERR_NODRIVER;
  }
  pulse().pa_stream_set_state_callback(stream_.get(), &PulsePlaybackPort::onStateChange, this);
  pulse().pa_stream_set_underflow_callback(stream_.get(), &PulsePlaybackPort::onUnderflow, this);
  pa_buffer_attr attr{};
  attr.maxlength = static_cast<std::uint32_t>(-1);
  attr.tlength = static_cast<std::uint32_t>(pulse().pa_usec_to_bytes(kTargetLatencyUsec, &spec_));
  attr.prebuf = static_cast<std::uint32_t>(pulse().pa_frame_size(&spec_));
  attr.minreq = static_cast<std::uint32_t>(-1);
  const auto flags = static_cast<pa_stream_flags_t>(
      PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_ADJUST_LATENCY);
  if (pulse().pa_stream_connect_playback(stream_.get(), sink.empty() ? nullptr : sink.c_str(),
                                         &attr, flags, nullptr, nullptr) < 0) {
    stream_.reset();
    return MMSYSERR_BADDEVICEID;
  }
  for (;;) {
    const pa_stream_state_t state = pulse().pa_stream_get_state(stream_.get());
    if (state == PA_STREAM_READY) {
      break;
    }
    if (!PA_STREAM_IS_GOOD(state)) {
      diagnosticTrace(std::string("Sound server: playback stream failed: ") +
                      pulse().pa_strerror(pulse().pa_context_errno(context_->context())));
      pulse().pa_stream_set_state_callback(stream_.get(), nullptr, nullptr);
      pulse().pa_stream_set_underflow_callback(stream_.get(), nullptr, nullptr);
      stream_.reset();
      return MMSYSERR_BADDEVICEID;
    }
    context_->wait();
  }
  timer_ = pulse().pa_context_rttime_new(context_->context(), pulse().pa_rtclock_now() + kPollUsec,
                                         &PulsePlaybackPort::onTimer, this);
  return 0;
}

int PulsePlaybackPort::write(AudioBuffer& buffer) {
  if (!stream_) {
    return MMSYSERR_ERROR;
  }
  const int queued = queue_.enqueue(buffer);
  if (queued != 0) {
    return queued;
  }
  PulseContext::Lock lock(*context_);
  if (buffer.length() > 0 && pulse().pa_stream_write(stream_.get(), buffer.data(), buffer.length(),
                                                     nullptr, 0, PA_SEEK_RELATIVE) < 0) {
    pendingEnds_.push_back(writtenBytes_);
    completePlayed(true);
    return MMSYSERR_ERROR;
  }
  writtenBytes_ += buffer.length();
  pendingEnds_.push_back(writtenBytes_);
  if (buffer.length() == 0) {
    completePlayed(false);
  }
  return 0;
}

int PulsePlaybackPort::reset() {
  if (!stream_) {
    return MMSYSERR_ERROR;
  }
  PulseContext::Lock lock(*context_);
  context_->await(pulse().pa_stream_flush(stream_.get(), &PulsePlaybackPort::onSuccess, this));
  completePlayed(true);
  return 0;
}

int PulsePlaybackPort::close() {
  disconnect();
  return 0;
}

void PulsePlaybackPort::disconnect() {
  if (!stream_) {
    return;
  }
  PulseContext::Lock lock(*context_);
  if (timer_ != nullptr) {
    pa_mainloop_api* api = pulse().pa_threaded_mainloop_get_api(context_->mainloop());
    api->time_free(timer_);
    timer_ = nullptr;
  }
  pulse().pa_stream_set_state_callback(stream_.get(), nullptr, nullptr);
  pulse().pa_stream_set_underflow_callback(stream_.get(), nullptr, nullptr);
  pulse().pa_stream_disconnect(stream_.get());
  stream_.reset();
  pendingEnds_.clear();
  queue_.completeAll();
}

}  // namespace qp
