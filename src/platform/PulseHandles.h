#pragma once

#include <pulse/pulseaudio.h>

#include "platform/PulseLibrary.h"

#include <memory>

namespace qp {

// Owning handles for the PulseAudio objects; nothing is freed by hand.
struct PaMainloopDeleter {
  void operator()(pa_threaded_mainloop* loop) const {
    pulse().pa_threaded_mainloop_stop(loop);
    pulse().pa_threaded_mainloop_free(loop);
  }
};
struct PaContextDeleter {
  void operator()(pa_context* context) const {
    pulse().pa_context_disconnect(context);
    pulse().pa_context_unref(context);
  }
};
struct PaStreamDeleter {
  void operator()(pa_stream* stream) const { pulse().pa_stream_unref(stream); }
};
struct PaOperationDeleter {
  void operator()(pa_operation* op) const { pulse().pa_operation_unref(op); }
};

using PaMainloopPtr = std::unique_ptr<pa_threaded_mainloop, PaMainloopDeleter>;
using PaContextPtr = std::unique_ptr<pa_context, PaContextDeleter>;
using PaStreamPtr = std::unique_ptr<pa_stream, PaStreamDeleter>;
using PaOperationPtr = std::unique_ptr<pa_operation, PaOperationDeleter>;

}  // namespace qp
