#include "platform/PulseContext.h"

#include <string>

#include "common/DiagnosticTrace.h"

namespace qp {

PulseContext::~PulseContext() {
  if (mainloop_) {
    pa_threaded_mainloop_stop(mainloop_.get());
  }
  context_.reset();
  mainloop_.reset();
}

void PulseContext::onStateChange(pa_context* /*context*/, void* self) {
  static_cast<PulseContext*>(self)->signal();
}

bool PulseContext::connect(const std::string& clientName) {
  mainloop_.reset(pa_threaded_mainloop_new());
  if (!mainloop_) {
    return false;
  }
  context_.reset(pa_context_new(pa_threaded_mainloop_get_api(mainloop_.get()), clientName.c_str()));
  if (!context_) {
    return false;
  }
  pa_context_set_state_callback(context_.get(), &PulseContext::onStateChange, this);
  if (pa_context_connect(context_.get(), nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
    return false;
  }
  if (pa_threaded_mainloop_start(mainloop_.get()) < 0) {
    return false;
  }
  Lock lock(*this);
  for (;;) {
    const pa_context_state_t state = pa_context_get_state(context_.get());
    if (state == PA_CONTEXT_READY) {
      return true;
    }
    if (!PA_CONTEXT_IS_GOOD(state)) {
      diagnosticTrace(std::string("Sound server: cannot connect: ") +
                      pa_strerror(pa_context_errno(context_.get())));
      return false;
    }
    wait();
  }
}

bool PulseContext::isReady() {
  if (!context_) {
    return false;
  }
  Lock lock(*this);
  return pa_context_get_state(context_.get()) == PA_CONTEXT_READY;
}

void PulseContext::await(pa_operation* op) {
  if (op == nullptr) {
    return;
  }
  PaOperationPtr owned(op);
  while (pa_operation_get_state(op) == PA_OPERATION_RUNNING) {
    wait();
  }
}

bool PulseContext::sampleSpec(const WaveFormat& format, pa_sample_spec& spec) {
  if (format.wBitsPerSample == 16) {
    spec.format = PA_SAMPLE_S16LE;
  } else if (format.wBitsPerSample == 8) {
    spec.format = PA_SAMPLE_U8;
  } else {
    return false;
  }
  spec.rate = format.nSamplesPerSec;
  spec.channels = static_cast<std::uint8_t>(format.nChannels);
  return pa_sample_spec_valid(&spec) != 0;
}

}  // namespace qp
