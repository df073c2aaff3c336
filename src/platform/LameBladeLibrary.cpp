#include "platform/LameBladeLibrary.h"

#include <dlfcn.h>

#include <cstdio>
#include <vector>

#include "export/Mp3StreamConfig.h"

namespace qp {

namespace {

// Results of the entry points.
constexpr std::uint32_t kSuccess = 0;
constexpr std::uint32_t kInvalidFormat = 1;
constexpr std::uint32_t kInvalidFormatParameters = 2;
constexpr std::uint32_t kInvalidHandle = 4;
constexpr std::uint32_t kBufferTooSmall = 5;

using Flags = void*;  // the encoder's state
using SetFn = int (*)(Flags, int);

// Largest information frame the encoder writes (one frame at the highest bit rate).
constexpr std::size_t kMaxTagFrame = 8192;

template <typename T>
T symbol(void* library, const char* name) {
  return reinterpret_cast<T>(dlsym(library, name));
}

}  // namespace

struct LameBladeLibrary::Functions {
  Flags (*init)() = nullptr;
  SetFn inRate = nullptr, outRate = nullptr, channels = nullptr, mode = nullptr, bitRate = nullptr,
        vbr = nullptr, vbrTag = nullptr, copyright = nullptr, original = nullptr, crc = nullptr,
        extension = nullptr, strictIso = nullptr, noReservoir = nullptr, emphasis = nullptr,
        quality = nullptr;
  int (*initParams)(Flags) = nullptr;
  int (*frameSize)(Flags) = nullptr;
  int (*close)(Flags) = nullptr;
  int (*encode)(Flags, const short*, const short*, int, unsigned char*, int) = nullptr;
  int (*encodeInterleaved)(Flags, short*, int, unsigned char*, int) = nullptr;
  int (*flush)(Flags, unsigned char*, int) = nullptr;
  std::size_t (*tagFrame)(Flags, unsigned char*, std::size_t) = nullptr;

  explicit Functions(void* lib) {
    init = symbol<Flags (*)()>(lib, "lame_init");
    const std::pair<SetFn*, const char*> setters[] = {{&inRate, "lame_set_in_samplerate"},
                                                      {&outRate, "lame_set_out_samplerate"},
                                                      {&channels, "lame_set_num_channels"},
                                                      {&mode, "lame_set_mode"},
                                                      {&bitRate, "lame_set_brate"},
                                                      {&vbr, "lame_set_VBR"},
                                                      {&vbrTag, "lame_set_bWriteVbrTag"},
                                                      {&copyright, "lame_set_copyright"},
                                                      {&original, "lame_set_original"},
                                                      {&crc, "lame_set_error_protection"},
                                                      {&extension, "lame_set_extension"},
                                                      {&strictIso, "lame_set_strict_ISO"},
                                                      {&noReservoir, "lame_set_disable_reservoir"},
                                                      {&emphasis, "lame_set_emphasis"},
                                                      {&quality, "lame_set_quality"}};
    for (const auto& [slot, name] : setters) {
      *slot = symbol<SetFn>(lib, name);
    }
    initParams = symbol<int (*)(Flags)>(lib, "lame_init_params");
    frameSize = symbol<int (*)(Flags)>(lib, "lame_get_framesize");
    close = symbol<int (*)(Flags)>(lib, "lame_close");
    encode = symbol<decltype(encode)>(lib, "lame_encode_buffer");
    encodeInterleaved = symbol<decltype(encodeInterleaved)>(lib, "lame_encode_buffer_interleaved");
    flush = symbol<decltype(flush)>(lib, "lame_encode_flush");
    tagFrame = symbol<decltype(tagFrame)>(lib, "lame_get_lametag_frame");
  }

  bool canInit() const {
    return init && inRate && outRate && channels && mode && bitRate && vbr && vbrTag && copyright &&
           original && crc && extension && strictIso && noReservoir && emphasis && quality &&
           initParams && frameSize && close;
  }
};

namespace {
// Hands an encoder state back to the library that made it.
struct FlagsCloser {
  int (*close)(Flags) = nullptr;
  void operator()(void* flags) const { close(flags); }
};
}  // namespace

struct LameBladeLibrary::OpenStream {
  std::unique_ptr<void, FlagsCloser> flags;
  int channels = 1;
  std::uint32_t samplesPerChunk = 0;
  std::uint32_t outputBufferSize = 0;
};

void LameBladeLibrary::LibraryCloser::operator()(void* handle) const {
  dlclose(handle);
}

std::unique_ptr<LameBladeLibrary> LameBladeLibrary::load(const std::string& path) {
  LibraryHandle handle(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
  if (!handle) {
    return nullptr;
  }
  return std::unique_ptr<LameBladeLibrary>(new LameBladeLibrary(std::move(handle)));
}

LameBladeLibrary::LameBladeLibrary(LibraryHandle handle)
    : handle_(std::move(handle)), fn_(std::make_unique<Functions>(handle_.get())) {}

LameBladeLibrary::~LameBladeLibrary() {
  streams_.clear();  // every encoder state goes back to the library before it is unloaded
}

bool LameBladeLibrary::hasEntryPoint(std::string_view name) const {
  if (name == "beInitStream") {
    return fn_->canInit();
  }
  if (name == "beEncodeChunk") {
    return fn_->encode && fn_->encodeInterleaved;
  }
  if (name == "beDeinitStream") {
    return fn_->flush != nullptr;
  }
  if (name == "beWriteInfoTag") {
    return fn_->tagFrame != nullptr;
  }
  if (name == "beCloseStream") {
    return fn_->close != nullptr;
  }
  return false;
}

LameBladeLibrary::OpenStream* LameBladeLibrary::find(Stream stream) {
  const auto it = streams_.find(stream);
  return it == streams_.end() ? nullptr : it->second.get();
}

std::uint32_t LameBladeLibrary::beInitStream(const std::uint8_t* config,
                                             std::uint32_t& samplesPerChunk,
                                             std::uint32_t& outputBufferSize, Stream& stream) {
  if (!fn_->canInit()) {
    return kInvalidFormat;
  }
  const auto c = config ? Mp3StreamConfig::fromBytes(config) : std::nullopt;
  if (!c) {
    return kInvalidFormat;
  }
  if (c->enableVbr != 0 || c->sampleRate == 0) {
    return kInvalidFormatParameters;  // only constant bit rate is offered
  }
  auto open = std::make_unique<OpenStream>();
  open->flags = {fn_->init(), FlagsCloser{fn_->close}};
  if (!open->flags) {
    return kInvalidFormatParameters;
  }
  Flags gf = open->flags.get();
  open->channels = c->mode == Mp3StreamConfig::kModeMono ? 1 : 2;
  const auto i = [](std::uint32_t v) { return static_cast<int>(v); };
  fn_->inRate(gf, i(c->sampleRate));
  fn_->outRate(gf, i(c->resampleRate));
  fn_->channels(gf, open->channels);
  fn_->mode(gf, c->mode);
  fn_->vbr(gf, 0);
  fn_->bitRate(gf, i(c->bitRate));
  fn_->vbrTag(gf, i(c->writeVbrHeader));
  fn_->copyright(gf, i(c->copyright));
  fn_->original(gf, i(c->original));
  fn_->crc(gf, i(c->crc));
  fn_->extension(gf, i(c->privateBit));
  fn_->strictIso(gf, i(c->strictIso));
  fn_->noReservoir(gf, i(c->noReservoir));
  fn_->emphasis(gf, i(c->emphasis));
  // A quality is taken only when its high byte is the complement of its low byte.
  if ((c->quality & 0xFF) == ((~c->quality >> 8) & 0xFF)) {
    fn_->quality(gf, c->quality & 0xFF);
  }
  if (fn_->initParams(gf) < 0 || fn_->frameSize(gf) <= 0) {
    return kInvalidFormatParameters;
  }
  open->samplesPerChunk = static_cast<std::uint32_t>(fn_->frameSize(gf) * open->channels);
  open->outputBufferSize = open->samplesPerChunk * 5 / 4 + 7200;
  samplesPerChunk = open->samplesPerChunk;
  outputBufferSize = open->outputBufferSize;
  stream = reinterpret_cast<Stream>(open.get());
  streams_[stream] = std::move(open);
  return kSuccess;
}

std::uint32_t LameBladeLibrary::beEncodeChunk(Stream stream, std::uint32_t sampleCount,
                                              const std::int16_t* samples, std::uint8_t* output,
                                              std::uint32_t& bytesWritten) {
  bytesWritten = 0;
  OpenStream* open = find(stream);
  if (!open || !fn_->encode || !fn_->encodeInterleaved) {
    return kInvalidHandle;
  }
  if (sampleCount > open->samplesPerChunk) {
    return kBufferTooSmall;
  }
  const int frames = static_cast<int>(sampleCount) / open->channels;
  const int room = static_cast<int>(open->outputBufferSize);
  const int n = open->channels == 1
                    ? fn_->encode(open->flags.get(), samples, samples, frames, output, room)
                    : fn_->encodeInterleaved(open->flags.get(), const_cast<short*>(samples), frames,
                                             output, room);
  if (n < 0) {
    return kInvalidFormatParameters;
  }
  bytesWritten = static_cast<std::uint32_t>(n);
  return kSuccess;
}

std::uint32_t LameBladeLibrary::beDeinitStream(Stream stream, std::uint8_t* output,
                                               std::uint32_t& bytesWritten) {
  bytesWritten = 0;
  OpenStream* open = find(stream);
  if (!open || !fn_->flush) {
    return kInvalidHandle;
  }
  const int n = fn_->flush(open->flags.get(), output, static_cast<int>(open->outputBufferSize));
  if (n < 0) {
    return kInvalidFormatParameters;
  }
  bytesWritten = static_cast<std::uint32_t>(n);
  return kSuccess;
}

std::uint32_t LameBladeLibrary::beWriteInfoTag(Stream stream, const char* path) {
  OpenStream* open = find(stream);
  if (!open || !fn_->tagFrame || !path) {
    return kInvalidHandle;
  }
  std::vector<unsigned char> frame(kMaxTagFrame);
  const std::size_t size = fn_->tagFrame(open->flags.get(), frame.data(), frame.size());
  if (size == 0 || size > frame.size()) {
    return kSuccess;  // no tag was asked for
  }
  // The encoder reserved the first frame of the stream for this tag.
  std::FILE* file = std::fopen(path, "r+b");
  if (!file) {
    return kInvalidFormatParameters;
  }
  const bool written = std::fwrite(frame.data(), 1, size, file) == size;
  const bool closed = std::fclose(file) == 0;
  return written && closed ? kSuccess : kInvalidFormatParameters;
}

std::uint32_t LameBladeLibrary::beCloseStream(Stream stream) {
  return streams_.erase(stream) == 1 ? kSuccess : kInvalidHandle;
}

}  // namespace qp
