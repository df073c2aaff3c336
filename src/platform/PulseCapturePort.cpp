#include "platform/PulseCapturePort.h"

#include <string>
#include <utility>

#include "common/DiagnosticTrace.h"

namespace qp {
namespace {

// Granularity of delivery from the server: about 10 ms, well below any capture buffer.
constexpr std::uint32_t kFragmentMs = 10;

}  // namespace

PulseCapturePort::PulseCapturePort(std::shared_ptr<PulseContext> context, AudioEvent& completion)
    : context_(std::move(context)), queue_(completion) {}

PulseCapturePort::~PulseCapturePort() {
  disconnect();
}

void PulseCapturePort::onStateChange(pa_stream* /*stream*/, void* self) {
  static_cast<PulseCapturePort*>(self)->context_->signal();
}

void PulseCapturePort::onSuccess(pa_stream* /*stream*/, int /*success*/, void* self) {
  static_cast<PulseCapturePort*>(self)->context_->signal();
}

void PulseCapturePort::onRead(pa_stream* stream, std::size_t /*bytes*/, void* self) {
  auto* port = static_cast<PulseCapturePort*>(self);
  const void* data = nullptr;
  std::size_t count = 0;
  while (pulse().pa_stream_readable_size(stream) > 0 &&
         pulse().pa_stream_peek(stream, &data, &count) == 0) {
    if (count == 0) {
      break;
    }
    if (port->started_.load(std::memory_order_acquire)) {
      // A hole in the stream (data == nullptr) is taken as silence.
      port->relay_->deliver(static_cast<const std::uint8_t*>(data), count);
    }
    pulse().pa_stream_drop(stream);
  }
}

int PulseCapturePort::connect(const WaveFormat& format, const std::string& source) {
  pa_sample_spec sampleFormat{};
  if (!PulseContext::sampleSpec(format, sampleFormat)) {
    return MMSYSERR_INVALPARAM;
  }
  if (!relay_) {
    relay_ = std::make_unique<CaptureRelay>(
        queue_, pulse().pa_bytes_per_second(&sampleFormat) * kFifoSeconds);
  }
  PulseContext::Lock lock(*context_);
  stream_.reset(pulse().pa_stream_new(context_->context(), "Microphone", &sampleFormat, nullptr));
  if (!stream_) {
    return MMSYSERR_NODRIVER;
  }
  pulse().pa_stream_set_state_callback(stream_.get(), &PulseCapturePort::onStateChange, this);
  pulse().pa_stream_set_read_callback(stream_.get(), &PulseCapturePort::onRead, this);
  pa_buffer_attr attr{};
  attr.maxlength = static_cast<std::uint32_t>(-1);
  attr.fragsize = static_cast<std::uint32_t>(
      pulse().pa_usec_to_bytes(pa_usec_t{kFragmentMs} * 1000, &sampleFormat));
  const auto flags =
      static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY);
  if (pulse().pa_stream_connect_record(stream_.get(), source.empty() ? nullptr : source.c_str(),
                                       &attr, flags) < 0) {
    stream_.reset();
    return MMSYSERR_BADDEVICEID;
  }
  for (;;) {
    const pa_stream_state_t state = pulse().pa_stream_get_state(stream_.get());
    if (state == PA_STREAM_READY) {
      return 0;
    }
    if (!PA_STREAM_IS_GOOD(state)) {
      diagnosticTrace(std::string("Sound server: record stream failed: ") +
                      pulse().pa_strerror(pulse().pa_context_errno(context_->context())));
      pulse().pa_stream_set_state_callback(stream_.get(), nullptr, nullptr);
      pulse().pa_stream_set_read_callback(stream_.get(), nullptr, nullptr);
      stream_.reset();
      return MMSYSERR_BADDEVICEID;
    }
    context_->wait();
  }
}

int PulseCapturePort::cork(bool paused) {
  if (!stream_) {
    return MMSYSERR_ERROR;
  }
  PulseContext::Lock lock(*context_);
  if (!paused) {
    // What arrived while corked belongs to no recording.
    context_->await(pulse().pa_stream_flush(stream_.get(), &PulseCapturePort::onSuccess, this));
  }
  context_->await(
      pulse().pa_stream_cork(stream_.get(), paused ? 1 : 0, &PulseCapturePort::onSuccess, this));
  return 0;
}

int PulseCapturePort::add(AudioBuffer& buffer) {
  const int result = queue_.enqueue(buffer);
  if (result == 0 && relay_) {
    relay_->buffersAdded();
  }
  return result;
}

int PulseCapturePort::start() {
  if (relay_) {
    relay_->start();
  }
  started_.store(true, std::memory_order_release);
  return cork(false);
}

int PulseCapturePort::stop() {
  const int result = cork(true);
  started_.store(false, std::memory_order_release);
  if (relay_) {
    relay_->stop();
  }
  queue_.completePartial();
  return result;
}

int PulseCapturePort::reset() {
  const int result = cork(true);
  started_.store(false, std::memory_order_release);
  if (relay_) {
    relay_->stop();
  }
  queue_.completeAll();
  return result;
}

int PulseCapturePort::close() {
  if (!queue_.empty()) {
    return WAVERR_STILLPLAYING;
  }
  disconnect();
  return 0;
}

void PulseCapturePort::disconnect() {
  if (!stream_) {
    return;
  }
  PulseContext::Lock lock(*context_);
  pulse().pa_stream_set_state_callback(stream_.get(), nullptr, nullptr);
  pulse().pa_stream_set_read_callback(stream_.get(), nullptr, nullptr);
  pulse().pa_stream_disconnect(stream_.get());
  stream_.reset();
}

}  // namespace qp
