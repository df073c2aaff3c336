#include "export/CMp3Encoder.h"

#include <cstdio>
#include <new>
#include <vector>

#include "audio/wave/WaveFileReader.h"
#include "export/Mp3StreamConfig.h"

namespace qp {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Only what the record can describe: 16-bit PCM, one or two channels.
bool encodable(const WaveFormat& format) {
  return format.wFormatTag == WaveFormat::WAVE_FORMAT_PCM && format.wBitsPerSample == 16 &&
         (format.nChannels == 1 || format.nChannels == 2) && format.nSamplesPerSec > 0;
}

bool writeAll(std::FILE* file, const std::vector<std::uint8_t>& buffer, std::uint32_t count) {
  if (count > buffer.size()) {
    return false;  // the library claims more than the buffer holds
  }
  return count == 0 || std::fwrite(buffer.data(), 1, count, file) == count;
}

}  // namespace

CMp3Encoder::CMp3Encoder(std::unique_ptr<Mp3EncoderLibrary> library)
    : library_(std::move(library)) {
  if (!library_) {
    return;
  }
  available_ = true;
  for (const char* name : kEntryPoints) {
    available_ = available_ && library_->hasEntryPoint(name);
  }
}

CMp3Encoder::~CMp3Encoder() = default;

bool CMp3Encoder::encode(const std::string& sourcePath, const std::string& targetPath) {
  if (!available_) {
    return false;
  }
  WaveFileReader reader;
  if (!reader.open(sourcePath) || !encodable(reader.format())) {
    return false;
  }
  FilePtr file(std::fopen(targetPath.c_str(), "wb+"));
  if (!file) {
    return false;
  }
  const auto config =
      Mp3StreamConfig::forNote(reader.format().nSamplesPerSec, reader.format().nChannels).toBytes();
  std::uint32_t samplesPerChunk = 0;
  std::uint32_t outputBufferSize = 0;
  Mp3EncoderLibrary::Stream stream = 0;
  if (library_->beInitStream(config.data(), samplesPerChunk, outputBufferSize, stream) != 0) {
    return false;
  }
  bool result = encodeStream(reader, file.get(), stream, samplesPerChunk, outputBufferSize);
  // A failed close means buffered bytes never reached the file.
  result = std::fclose(file.release()) == 0 && result;
  if (result) {
    library_->beWriteInfoTag(stream, targetPath.c_str());
  }
  library_->beCloseStream(stream);
  return result;
}

bool CMp3Encoder::encodeStream(WaveFileReader& reader, std::FILE* file,
                               Mp3EncoderLibrary::Stream stream, std::uint32_t samplesPerChunk,
                               std::uint32_t outputBufferSize) {
  std::vector<std::uint8_t> output;
  std::vector<std::int16_t> input;
  try {
    output.resize(outputBufferSize);
    input.resize(samplesPerChunk);
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (;;) {
    const std::uint32_t bytes = reader.read(input.data(), samplesPerChunk * 2);
    if (bytes == 0) {
      break;
    }
    std::uint32_t written = 0;
    // An odd byte at the end of the data is not a whole sample and is not encoded.
    if (library_->beEncodeChunk(stream, bytes / 2, input.data(), output.data(), written) != 0 ||
        !writeAll(file, output, written)) {
      return false;
    }
  }
  std::uint32_t written = 0;
  if (library_->beDeinitStream(stream, output.data(), written) != 0) {
    return false;
  }
  return writeAll(file, output, written);
}

}  // namespace qp
