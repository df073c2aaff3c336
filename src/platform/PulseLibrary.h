#pragma once

#include <pulse/pulseaudio.h>

namespace qp {

// Every PulseAudio client function the sound backend and the mixer call, as X(name).
// clang-format off
#define QP_PULSE_FUNCTIONS(X) \
  X(pa_bytes_per_second) \
  X(pa_context_connect) \
  X(pa_context_disconnect) \
  X(pa_context_errno) \
  X(pa_context_get_server_info) \
  X(pa_context_get_sink_info_by_name) \
  X(pa_context_get_sink_info_list) \
  X(pa_context_get_source_info_by_name) \
  X(pa_context_get_source_info_list) \
  X(pa_context_get_state) \
  X(pa_context_new) \
  X(pa_context_rttime_new) \
  X(pa_context_rttime_restart) \
  X(pa_context_set_sink_mute_by_name) \
  X(pa_context_set_sink_volume_by_name) \
  X(pa_context_set_source_mute_by_name) \
  X(pa_context_set_source_volume_by_name) \
  X(pa_context_set_state_callback) \
  X(pa_context_set_subscribe_callback) \
  X(pa_context_subscribe) \
  X(pa_context_unref) \
  X(pa_frame_size) \
  X(pa_operation_get_state) \
  X(pa_operation_unref) \
  X(pa_rtclock_now) \
  X(pa_sample_spec_valid) \
  X(pa_stream_connect_playback) \
  X(pa_stream_connect_record) \
  X(pa_stream_cork) \
  X(pa_stream_disconnect) \
  X(pa_stream_drop) \
  X(pa_stream_flush) \
  X(pa_stream_get_state) \
  X(pa_stream_get_time) \
  X(pa_stream_new) \
  X(pa_stream_peek) \
  X(pa_stream_readable_size) \
  X(pa_stream_set_read_callback) \
  X(pa_stream_set_state_callback) \
  X(pa_stream_set_underflow_callback) \
  X(pa_stream_unref) \
  X(pa_stream_write) \
  X(pa_strerror) \
  X(pa_threaded_mainloop_free) \
  X(pa_threaded_mainloop_get_api) \
  X(pa_threaded_mainloop_lock) \
  X(pa_threaded_mainloop_new) \
  X(pa_threaded_mainloop_signal) \
  X(pa_threaded_mainloop_start) \
  X(pa_threaded_mainloop_stop) \
  X(pa_threaded_mainloop_unlock) \
  X(pa_threaded_mainloop_wait) \
  X(pa_usec_to_bytes)
// clang-format on

// The PulseAudio client library (libpulse.so.0), loaded with dlopen the first time a sound
// device or the mixer connects, so that verbs without sound never load it and its
// dependencies. Loaded once per process and kept until it ends. Thread-safe.
class PulseLibrary {
 public:
  struct Functions {
// A member named as the function, of its pointer type (a name cannot be parenthesised).
#define QP_PULSE_POINTER(name) \
  decltype(&::name) name = nullptr;  // NOLINT(bugprone-macro-parentheses)
    QP_PULSE_FUNCTIONS(QP_PULSE_POINTER)
#undef QP_PULSE_POINTER
  };

  static constexpr const char* kSoname = "libpulse.so.0";

  // The functions, or null when the library or one of the functions is missing.
  static const Functions* get();
  // Whether the library has been loaded into this process (tests).
  static bool loaded();
};

// The loaded functions; only after PulseLibrary::get() returned them (PulseContext::connect
// checks before anything else runs).
inline const PulseLibrary::Functions& pulse() {
  return *PulseLibrary::get();
}

}  // namespace qp
