#pragma once

#include <memory>
#include <string>

#include "export/Mp3EncoderLibrary.h"

namespace qp {

class WaveFileReader;

// Converts a note (16-bit PCM, mono or stereo) into an MP3 file through an encoder library's
// stream entry points: mono or joint stereo at 32 kbit/s constant bit rate, the information
// tag written into the closed file. Owned by the export-format list; not thread-safe.
class CMp3Encoder {
 public:
  // The five entry points the encoder needs, by name.
  static constexpr const char* kEntryPoints[] = {"beInitStream", "beEncodeChunk", "beDeinitStream",
                                                 "beCloseStream", "beWriteInfoTag"};

  // library: the loaded encoder library, or null when it could not be loaded. The encoder is
  // available only when the library offers all five entry points; nothing is reported when
  // it does not.
  explicit CMp3Encoder(std::unique_ptr<Mp3EncoderLibrary> library);
  virtual ~CMp3Encoder();
  CMp3Encoder(const CMp3Encoder&) = delete;
  CMp3Encoder& operator=(const CMp3Encoder&) = delete;

  bool available() const { return available_; }

  // Writes targetPath (created or truncated) from the note at sourcePath. False without
  // touching any file when available() is false, and on any failure (source unreadable or not
  // 16-bit PCM of 1 or 2 channels, target not creatable, encoder error, short write); a partly
  // written target stays on disk.
  bool encode(const std::string& sourcePath, const std::string& targetPath);

 private:
  bool encodeStream(WaveFileReader& reader, std::FILE* file, Mp3EncoderLibrary::Stream stream,
                    std::uint32_t samplesPerChunk, std::uint32_t outputBufferSize);

  std::unique_ptr<Mp3EncoderLibrary> library_;
  bool available_ = false;
};

}  // namespace qp
