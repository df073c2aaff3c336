#include "dsp/DspTrace.h"

#include <atomic>
#include <cstdio>

namespace qp::dsp {
namespace {

std::atomic<TraceHook> g_hook{nullptr};

}  // namespace

void setTraceHook(TraceHook hook) {
  g_hook.store(hook, std::memory_order_release);
}

void trace(const char* message) {
  if (TraceHook hook = g_hook.load(std::memory_order_acquire)) {
    hook(message);
    return;
  }
  std::fprintf(stderr, "%s\n", message);
}

}  // namespace qp::dsp
