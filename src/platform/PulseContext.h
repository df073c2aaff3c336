#pragma once

#include <pulse/pulseaudio.h>

#include "platform/PulseLibrary.h"

#include <string>

#include "audio/wave/WaveFormat.h"
#include "platform/PulseHandles.h"

namespace qp {

// One connection to the sound server with its own event thread. Streams and their callbacks
// run on that thread; other threads touch them only while holding the lock.
class PulseContext {
 public:
  PulseContext() = default;
  ~PulseContext();
  PulseContext(const PulseContext&) = delete;
  PulseContext& operator=(const PulseContext&) = delete;

  // Connects to the default server and waits until the connection is ready or has failed.
  bool connect(const std::string& clientName);
  bool isReady();

  pa_threaded_mainloop* mainloop() { return mainloop_.get(); }
  pa_context* context() { return context_.get(); }
  void lock() { pulse().pa_threaded_mainloop_lock(mainloop_.get()); }
  void unlock() { pulse().pa_threaded_mainloop_unlock(mainloop_.get()); }
  // Called with the lock held: sleeps until a callback signals.
  void wait() { pulse().pa_threaded_mainloop_wait(mainloop_.get()); }
  void signal() { pulse().pa_threaded_mainloop_signal(mainloop_.get(), 0); }
  // Waits (lock held) until the operation has finished.
  void await(pa_operation* op);

  // The pa_sample_spec of a PCM format: 8-bit unsigned or 16-bit little-endian; false for
  // anything else.
  static bool sampleSpec(const WaveFormat& format, pa_sample_spec& sampleFormat);

  // RAII lock for the event thread.
  class Lock {
   public:
    explicit Lock(PulseContext& context) : context_(context) { context_.lock(); }
    ~Lock() { context_.unlock(); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

   private:
    PulseContext& context_;
  };

 private:
  static void onStateChange(pa_context* context, void* self);

  PaMainloopPtr mainloop_;
  PaContextPtr context_;
};

}  // namespace qp
