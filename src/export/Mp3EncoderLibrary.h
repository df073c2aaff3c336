#pragma once

#include <cstdint>
#include <string_view>

namespace qp {

// An MP3 encoder library seen through its five stream entry points. Each call returns 0 on
// success and a nonzero library error otherwise. The stream handle is the library's; it is
// valid from a successful beInitStream until beCloseStream.
//
// platform/LameBladeLibrary implements this over the system's encoder library loaded at run
// time; tests use fakes. One object per loaded library; not thread-safe.
class Mp3EncoderLibrary {
 public:
  using Stream = std::uintptr_t;

  virtual ~Mp3EncoderLibrary() = default;

  // True when the library offers the entry point of that name ("beInitStream", ...).
  virtual bool hasEntryPoint(std::string_view name) const = 0;

  // config: the 331-byte configuration record (Mp3StreamConfig). samplesPerChunk is the chunk
  // size in 16-bit samples, all channels counted; outputBufferSize is the bytes one chunk may
  // produce.
  virtual std::uint32_t beInitStream(const std::uint8_t* config, std::uint32_t& samplesPerChunk,
                                     std::uint32_t& outputBufferSize, Stream& stream) = 0;
  // Encodes sampleCount interleaved samples (at most samplesPerChunk) into output, which holds
  // outputBufferSize bytes; bytesWritten receives the bytes produced.
  virtual std::uint32_t beEncodeChunk(Stream stream, std::uint32_t sampleCount,
                                      const std::int16_t* samples, std::uint8_t* output,
                                      std::uint32_t& bytesWritten) = 0;
  // Flushes the encoder into output (outputBufferSize bytes).
  virtual std::uint32_t beDeinitStream(Stream stream, std::uint8_t* output,
                                       std::uint32_t& bytesWritten) = 0;
  // Completes the header of the closed file at path (the information tag).
  virtual std::uint32_t beWriteInfoTag(Stream stream, const char* path) = 0;
  virtual std::uint32_t beCloseStream(Stream stream) = 0;
};

}  // namespace qp
