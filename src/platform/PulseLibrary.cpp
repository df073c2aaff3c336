#include "platform/PulseLibrary.h"

#include <dlfcn.h>

#include <atomic>

namespace qp {
namespace {

std::atomic<bool> gLoaded{false};

// Loads the library and every function; false when anything is missing. The handle stays
// open for the life of the process (the server's threads run its code until the end).
bool loadAll(PulseLibrary::Functions& functions) {
  void* handle = ::dlopen(PulseLibrary::kSoname, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    return false;
  }
  gLoaded = true;
  bool complete = true;
#define QP_PULSE_RESOLVE(name)                                                         \
  functions.name = reinterpret_cast<decltype(functions.name)>(::dlsym(handle, #name)); \
  complete = complete && functions.name != nullptr;
  QP_PULSE_FUNCTIONS(QP_PULSE_RESOLVE)
#undef QP_PULSE_RESOLVE
  return complete;
}

}  // namespace

const PulseLibrary::Functions* PulseLibrary::get() {
  static Functions functions;
  static const bool complete = loadAll(functions);
  return complete ? &functions : nullptr;
}

bool PulseLibrary::loaded() {
  return gLoaded;
}

}  // namespace qp
