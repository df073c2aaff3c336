// quillophone-cli info FILE: the format and length of a note, one field per line.
#include <cstdio>

#include "audio/wave/NoteMetrics.h"
#include "audio/wave/WaveFileReader.h"
#include "cli/CliArgs.h"
#include "cli/CliMessages.h"
#include "cli/CliVerb.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage = "info FILE";

int runInfo(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {})) {
    return usageError(parsed.error(), kUsage);
  }
  if (parsed.positional().size() != 1) {
    return usageError("info takes one file", kUsage);
  }
  WaveFileReader reader;
  if (!reader.open(parsed.positional()[0])) {
    return readerError(parsed.positional()[0], reader.lastError());
  }
  const WaveFormat& f = reader.format();
  const double seconds =
      NoteMetrics::durationSeconds(reader.dataSize(), f.nSamplesPerSec, f.nChannels);
  std::printf("channels: %u\nrate: %u\nbits: %u\nformat-tag: %u\ndata-bytes: %u\n",
              unsigned{f.nChannels}, unsigned{f.nSamplesPerSec}, unsigned{f.wBitsPerSample},
              unsigned{f.wFormatTag}, unsigned{reader.dataSize()});
  std::printf("length: %s\nquality: %s\n", NoteMetrics::lengthText(seconds).c_str(),
              NoteMetrics::qualityLabel(f.nSamplesPerSec).c_str());
  return kExitOk;
}

const CliVerbRegistration kInfo({"info", kUsage, &runInfo});

const CliHelpRegistration kInfoHelp(
    "info", R"(Prints the format and length of a wave file, one "field: value" line each: channels,
rate (samples per second), bits (per sample), format-tag (1 for PCM), data-bytes, length and
quality (the recording preset the rate belongs to: Low 8000 Hz, Medium 11025 Hz, High
22050 Hz). A file that is not a wave file is refused with the reason and the reader's error
code.
)");

}  // namespace
}  // namespace qp::cli
