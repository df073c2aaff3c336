#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "export/Mp3EncoderLibrary.h"

namespace qp {

// The encoder library's five stream entry points over the system's MP3 encoder
// (libmp3lame.so.0), loaded with dlopen when the object is made and unloaded with it. Each entry
// point is offered only when every library function it needs was found, so an incomplete
// library leaves MP3 export off instead of failing later. Streams are constant bit rate at the
// record's bit rate, mono or joint stereo; the library picks the MPEG version from the sample
// rate. An entry point called with an unknown stream handle fails with error 4.
class LameBladeLibrary final : public Mp3EncoderLibrary {
 public:
  static constexpr const char* kDefaultLibrary = "libmp3lame.so.0";

  // The library at path (a file name is searched as dlopen does). Null when it cannot be
  // loaded at all.
  static std::unique_ptr<LameBladeLibrary> load(const std::string& path = kDefaultLibrary);
  ~LameBladeLibrary() override;

  bool hasEntryPoint(std::string_view name) const override;
  std::uint32_t beInitStream(const std::uint8_t* config, std::uint32_t& samplesPerChunk,
                             std::uint32_t& outputBufferSize, Stream& stream) override;
  std::uint32_t beEncodeChunk(Stream stream, std::uint32_t sampleCount, const std::int16_t* samples,
                              std::uint8_t* output, std::uint32_t& bytesWritten) override;
  std::uint32_t beDeinitStream(Stream stream, std::uint8_t* output,
                               std::uint32_t& bytesWritten) override;
  std::uint32_t beWriteInfoTag(Stream stream, const char* path) override;
  std::uint32_t beCloseStream(Stream stream) override;

  struct Functions;
  struct OpenStream;

 private:
  struct LibraryCloser {
    void operator()(void* handle) const;
  };
  using LibraryHandle = std::unique_ptr<void, LibraryCloser>;

  explicit LameBladeLibrary(LibraryHandle handle);
  OpenStream* find(Stream stream);

  LibraryHandle handle_;
  std::unique_ptr<Functions> fn_;
  std::map<Stream, std::unique_ptr<OpenStream>> streams_;
};

}  // namespace qp
