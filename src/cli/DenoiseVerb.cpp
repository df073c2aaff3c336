// quillophone-cli denoise IN.wav OUT.wav [--block BYTES]: runs a note through the Silkvoice
// noise reduction exactly as a recording does (one Configure, then Process on consecutive
// blocks of the main recorder's buffer size) and writes what each call returns as a new
// note of the same format.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "audio/device/BufferSizing.h"
#include "audio/wave/WaveFileReader.h"
#include "audio/wave/WaveFileWriter.h"
#include "cli/CliArgs.h"
#include "cli/CliMessages.h"
#include "cli/CliVerb.h"
#include "cli/CompanionRenewal.h"
#include "common/DiagnosticTrace.h"
#include "dsp/CSilkvoiceFilter.h"
#include "dsp/DspTrace.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage = "denoise IN.wav OUT.wav [--block BYTES]";
constexpr long kLargestBlock = 1L << 24;

void forwardTrace(const char* message) {
  diagnosticTrace(message);
}

bool supported(const WaveFormat& f) {
  return f.wFormatTag == WaveFormat::WAVE_FORMAT_PCM &&
         (f.wBitsPerSample == 8 || f.wBitsPerSample == 16) &&
         (f.nChannels == 1 || f.nChannels == 2) && f.nSamplesPerSec > 0 &&
         f.nBlockAlign == f.nChannels * f.wBitsPerSample / 8;
}

struct Totals {
  std::uint64_t in = 0;
  std::uint64_t out = 0;
};

// Feeds the note block by block through the filter into the writer; false on a write failure.
bool denoise(WaveFileReader& reader, dsp::CSilkvoiceFilter& filter, WaveFileWriter& writer,
             std::uint32_t block, Totals& totals) {
  std::vector<std::uint8_t> buffer(block);
  for (;;) {
    const std::uint32_t n = reader.read(buffer.data(), block);
    if (n == 0) {
      return true;
    }
    totals.in += n;
    const std::uint32_t r = filter.Process(buffer.data(), n);
    if (writer.write(buffer.data(), r) != r) {
      return false;
    }
    totals.out += r;
  }
}

int runDenoise(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {"block"})) {
    return usageError(parsed.error(), kUsage);
  }
  if (parsed.positional().size() != 2) {
    return usageError("denoise takes an input and an output file", kUsage);
  }
  std::optional<long> block;
  if (!parsed.intValue("block", 1, kLargestBlock, block)) {
    return usageError(parsed.error(), kUsage);
  }
  WaveFileReader reader;
  if (!reader.open(parsed.positional()[0])) {
    return readerError(parsed.positional()[0], reader.lastError());
  }
  const WaveFormat format = reader.format();
  if (!supported(format)) {
    return fileError(parsed.positional()[0],
                     "Only 8- or 16-bit PCM notes, mono or stereo, can be denoised.");
  }
  if (!format.isPlainPcm()) {
    reader.refuseFormat();
    std::fprintf(stderr, "Unable to open the note file.\nerror %d\n", reader.lastError());
    return kExitUserError;
  }
  const auto blockBytes = block ? static_cast<std::uint32_t>(*block)
                                : BufferSizing::mainRecorderBufferBytes(format.nSamplesPerSec);
  if (blockBytes % format.nBlockAlign != 0) {
    return usageError("--block must be a whole number of sample frames", kUsage);
  }
  dsp::setTraceHook(&forwardTrace);
  dsp::CSilkvoiceFilter filter;
  filter.Configure(format.nSamplesPerSec, format.wBitsPerSample, format.nChannels);
  WaveFileWriter writer;
  writer.setDurable(false);
  writer.setBuffered(true);
  WaveFormat outFormat;
  outFormat.copy(format);
  if (!writer.open(parsed.positional()[1], outFormat)) {
    return fileError(parsed.positional()[1], "Unable to create the note file.");
  }
  Totals totals;
  const bool written = denoise(reader, filter, writer, blockBytes, totals);
  if (!writer.close() || !written) {
    return fileError(parsed.positional()[1], "Unable to write the note file.");
  }
  renewExistingCompanion(parsed.positional()[1]);
  std::printf("in-bytes: %llu\nout-bytes: %llu\n", static_cast<unsigned long long>(totals.in),
              static_cast<unsigned long long>(totals.out));
  return kExitOk;
}

const CliVerbRegistration kDenoise({"denoise", kUsage, &runDenoise});

const CliHelpRegistration kDenoiseHelp(
    "denoise",
    R"(Runs a wave file (8- or 16-bit PCM, mono or stereo) through the Silkvoice noise reduction
and writes the result to OUT.wav; prints the bytes read and written.

  --block BYTES   how many bytes go through the filter at a time (a whole number of sample
                  frames); default: the recorder's buffer size for the file's rate
)");

}  // namespace
}  // namespace qp::cli
