#include "platform/PulseContext.h"

#include <string>

#include "common/DiagnosticTrace.h"

namespace qp {

PulseContext::~PulseContext() {
  if (mainloop_) {
    pulse().pa_threaded_mainloop_stop(mainloop_.get());
  }
  context_.reset();
  mainloop_.reset();
}

void PulseContext::onStateChange(pa_context* /*context*/, void* self) {
  static_cast<PulseContext*>(self)->signal();
}

bool PulseContext::connect(const std::string& clientName) {
  if (PulseLibrary::get() == nullptr) {
    diagnosticTrace(std::string("Sound server: cannot load ") + PulseLibrary::kSoname);
    return false;
  }
  mainloop_.reset(pulse().pa_threaded_mainloop_new());
  if (!mainloop_) {
    return false;
  }
  context_.reset(pulse().pa_context_new(pulse().pa_threaded_mainloop_get_api(mainloop_.get()),
                                        clientName.c_str()));
  if (!context_) {
    return false;
  }
  pulse().pa_context_set_state_callback(context_.get(), &PulseContext::onStateChange, this);
  if (pulse().pa_context_connect(context_.get(), nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
    return false;
  }
  if (pulse().pa_threaded_mainloop_start(mainloop_.get()) < 0) {
    return false;
  }
  Lock lock(*this);
  for (;;) {
    const pa_context_state_t state = pulse().pa_context_get_state(context_.get());
    if (state == PA_CONTEXT_READY) {
      return true;
    }
    if (!PA_CONTEXT_IS_GOOD(state)) {
      diagnosticTrace(std::string("Sound server: cannot connect: ") +
                      pulse().pa_strerror(pulse().pa_context_errno(context_.get())));
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
  return pulse().pa_context_get_state(context_.get()) == PA_CONTEXT_READY;
}

void PulseContext::await(pa_operation* op) {
  if (op == nullptr) {
    return;
  }
  PaOperationPtr owned(op);
  while (pulse().pa_operation_get_state(op) == PA_OPERATION_RUNNING) {
    wait();
  }
}

bool PulseContext::sampleSpec(const WaveFormat& format, pa_sample_spec& sampleFormat) {
  if (format.wBitsPerSample == 16) {
    sampleFormat.format = PA_SAMPLE_S16LE;
  } else if (format.wBitsPerSample == 8) {
    sampleFormat.format = PA_SAMPLE_U8;
  } else {
    return false;
  }
  sampleFormat.rate = format.nSamplesPerSec;
  sampleFormat.channels = static_cast<std::uint8_t>(format.nChannels);
  return PulseLibrary::get() != nullptr && pulse().pa_sample_spec_valid(&sampleFormat) != 0;
}

}  // namespace qp
