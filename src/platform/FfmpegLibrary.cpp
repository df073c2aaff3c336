#include "platform/FfmpegLibrary.h"

#include <dlfcn.h>

#include <array>
#include <atomic>

namespace qp {
namespace {

#define QP_STRINGIFY2(x) #x
#define QP_STRINGIFY(x) QP_STRINGIFY2(x)

// The sonames of the versions the program was built against.
constexpr std::array<const char*, 4> kSonames = {
    "libavutil.so." QP_STRINGIFY(LIBAVUTIL_VERSION_MAJOR),
    "libswresample.so." QP_STRINGIFY(LIBSWRESAMPLE_VERSION_MAJOR),
    "libavcodec.so." QP_STRINGIFY(LIBAVCODEC_VERSION_MAJOR),
    "libavformat.so." QP_STRINGIFY(LIBAVFORMAT_VERSION_MAJOR),
};

std::atomic<bool> gLoaded{false};

// Looks name up in each library; null when none has it.
void* find(const std::array<void*, kSonames.size()>& handles, const char* name) {
  for (void* handle : handles) {
    if (void* symbol = ::dlsym(handle, name)) {
      return symbol;
    }
  }
  return nullptr;
}

// Loads the libraries and every function; false when anything is missing. The handles stay
// open for the life of the process (the functions may be called until it ends).
bool loadAll(FfmpegLibrary::Functions& functions) {
  std::array<void*, kSonames.size()> handles{};
  for (std::size_t i = 0; i < kSonames.size(); ++i) {
    handles[i] = ::dlopen(kSonames[i], RTLD_NOW | RTLD_LOCAL);
    if (handles[i] == nullptr) {
      return false;
    }
  }
  gLoaded = true;
  bool complete = true;
#define QP_FFMPEG_RESOLVE(name)                                                      \
  functions.name = reinterpret_cast<decltype(functions.name)>(find(handles, #name)); \
  complete = complete && functions.name != nullptr;
  QP_FFMPEG_FUNCTIONS(QP_FFMPEG_RESOLVE)
#undef QP_FFMPEG_RESOLVE
  return complete;
}

}  // namespace

const FfmpegLibrary::Functions* FfmpegLibrary::get() {
  static Functions functions;
  static const bool complete = loadAll(functions);
  return complete ? &functions : nullptr;
}

bool FfmpegLibrary::loaded() {
  return gLoaded;
}

}  // namespace qp
