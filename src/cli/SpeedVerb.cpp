// quillophone-cli speed IN.wav OUT.wav --position S [--fast]: runs a mono 16-bit note through
// the player's speed step offline, chunk by chunk as the player reads it, and writes the
// result as a new note.
#include <algorithm>
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
#include "common/LittleEndian.h"
#include "dsp/CHalfRateDecimator.h"
#include "dsp/CRateAdjuster.h"
#include "dsp/PlaybackSpeed.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage = "speed IN.wav OUT.wav (--position S | --fast)";

// The player's speed step for one run: the half-rate decimator for fast forward, the rate
// adjuster for a non-zero position, a plain copy for position 0.
class SpeedStep {
 public:
  SpeedStep(std::uint32_t rate, int position, bool fast) : position_(position), fast_(fast) {
    adjuster_.SetFilterAlways(true);
    if (!fast && position != 0) {
      adjuster_.Configure(static_cast<int>(rate), dsp::PlaybackSpeed::CycleLength(position));
    }
  }

  // Processes one chunk into out (room for twice the chunk); returns the samples made.
  int run(const std::vector<std::int16_t>& in, int count, std::vector<std::int16_t>& out) {
    if (fast_) {
      return decimator_.Process(in.data(), count, out.data(), count);
    }
    if (position_ == 0) {
      std::copy(in.begin(), in.begin() + count, out.begin());
      return count;
    }
    return adjuster_.Process(in.data(), count, out.data(), 2 * count);
  }

 private:
  int position_;
  bool fast_;
  dsp::CRateAdjuster adjuster_;
  dsp::CHalfRateDecimator decimator_;
};

struct Totals {
  std::uint64_t in = 0;
  std::uint64_t out = 0;
};

// Reads the note chunk by chunk through the step into the writer; false on a write failure.
bool convert(WaveFileReader& reader, WaveFileWriter& writer, SpeedStep& step, Totals& totals) {
  const std::uint32_t rate = reader.format().nSamplesPerSec;
  const std::uint32_t chunkBytes = BufferSizing::playbackChunkBytes(rate, 1);
  std::vector<std::uint8_t> bytes(std::size_t{2} * chunkBytes);
  std::vector<std::int16_t> samples(chunkBytes / 2);
  std::vector<std::int16_t> processed(chunkBytes);
  for (;;) {
    const std::uint32_t got = reader.read(bytes.data(), chunkBytes);
    const int count = static_cast<int>(got / 2);
    if (count == 0) {
      return true;
    }
    for (int i = 0; i < count; ++i) {
      samples[i] = static_cast<std::int16_t>(getLe16(bytes.data() + std::ptrdiff_t{2} * i));
    }
    const int made = step.run(samples, count, processed);
    for (int i = 0; i < made; ++i) {
      putLe16(bytes.data() + std::ptrdiff_t{2} * i, static_cast<std::uint16_t>(processed[i]));
    }
    const auto outBytes = static_cast<std::uint32_t>(2 * made);
    if (writer.write(bytes.data(), outBytes) != outBytes) {
      return false;
    }
    totals.in += static_cast<std::uint64_t>(count);
    totals.out += static_cast<std::uint64_t>(made);
  }
}

int runSpeed(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {"position"}, {"fast"})) {
    return usageError(parsed.error(), kUsage);
  }
  if (parsed.positional().size() != 2) {
    return usageError("speed takes an input and an output file", kUsage);
  }
  std::optional<long> position;
  if (!parsed.intValue("position", dsp::PlaybackSpeed::kMinPosition,
                       dsp::PlaybackSpeed::kMaxPosition, position)) {
    return usageError(parsed.error(), kUsage);
  }
  const bool fast = parsed.has("fast");
  if (!position && !fast) {
    return usageError("speed needs --position S or --fast", kUsage);
  }
  const std::string& inPath = parsed.positional()[0];
  const std::string& outPath = parsed.positional()[1];
  WaveFileReader reader;
  if (!reader.open(inPath)) {
    return readerError(inPath, reader.lastError());
  }
  const WaveFormat& f = reader.format();
  if (f.wFormatTag != WaveFormat::WAVE_FORMAT_PCM || f.nChannels != 1 || f.wBitsPerSample != 16) {
    return fileError(inPath,
                     "only mono 16-bit PCM notes can be run through the speed step; "
                     "this one has " +
                         std::to_string(f.nChannels) + " channel(s) of " +
                         std::to_string(f.wBitsPerSample) + "-bit samples (format tag " +
                         std::to_string(f.wFormatTag) + ")");
  }
  if (!f.isNote()) {
    reader.refuseFormat();
    std::fprintf(stderr, "Unable to open the note file.\nerror %d\n", reader.lastError());
    return kExitUserError;
  }
  WaveFileWriter writer;
  writer.setDurable(false);
  writer.setBuffered(true);
  if (!writer.open(outPath, WaveFormat::pcm(1, f.nSamplesPerSec, 16))) {
    return fileError(outPath, "Unable to create the note file.");
  }
  SpeedStep step(f.nSamplesPerSec, static_cast<int>(position.value_or(0)), fast);
  Totals totals;
  const bool written = convert(reader, writer, step, totals);
  if (!writer.close() || !written) {
    return fileError(outPath, "Unable to write the note file.");
  }
  renewExistingCompanion(outPath);
  std::printf("samples-in: %llu\nsamples-out: %llu\n", static_cast<unsigned long long>(totals.in),
              static_cast<unsigned long long>(totals.out));
  return kExitOk;
}

const CliVerbRegistration kSpeed({"speed", kUsage, &runSpeed});

const CliHelpRegistration kSpeedHelp(
    "speed",
    R"(Runs a mono 16-bit note through the player's speed step and writes the result to OUT.wav;
prints the samples read and written. Pitch moves with speed.

  --position S   the speed slider's position: -19 (twice the speed) through 0 (unchanged)
                 to 19 (two thirds of the speed)
  --fast         halves the length, as fast forward does
)");

}  // namespace
}  // namespace qp::cli
