// quillophone-cli record OUT.wav [--seconds S] [--quality 0|1|2]: records mono 16-bit from
// the default source with the main recorder's buffers until S seconds, Enter or Ctrl-C.
#include <cstdio>
#include <optional>

#include "audio/AudioEvent.h"
#include "audio/BufferSizing.h"
#include "audio/CaptureDevice.h"
#include "audio/NoteMetrics.h"
#include "audio/WaveFileWriter.h"
#include "cli/CliArgs.h"
#include "cli/CliVerb.h"
#include "cli/Terminal.h"
#include "platform/PulseAudioBackend.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage = "record OUT.wav [--seconds S] [--quality 0|1|2]";
constexpr const char* kMicrophoneMessage =
    "Unable to open the microphone. This could mean that another application is already using "
    "the microphone.";
constexpr std::uint32_t kWaitMs = 1000;
constexpr int kMaxTimeouts = 3;

struct Recording {
  CaptureDevice& device;
  WaveFileWriter& writer;
  Terminal& terminal;
  std::uint64_t limitBytes;  // 0: no limit
  std::string problem;
};

// Writes a completed buffer's bytes (up to the limit); false when the recording must end.
bool consume(Recording& rec, const AudioBuffer& buffer) {
  std::uint32_t bytes = buffer.bytesRecorded();
  if (rec.limitBytes != 0) {
    const std::uint64_t room = rec.limitBytes - rec.writer.dataBytes();
    bytes = static_cast<std::uint32_t>(std::min<std::uint64_t>(bytes, room));
  }
  if (rec.writer.write(buffer.data(), bytes) != bytes) {
    rec.problem = rec.writer.full() ? "The note has reached the largest size a wave file can hold."
                                    : "Unable to write the note file. The disk may be full.";
    return false;
  }
  return rec.limitBytes == 0 || rec.writer.dataBytes() < rec.limitBytes;
}

// Waits for buffer to complete; false after three silent seconds in a row.
bool awaitBuffer(Recording& rec, const AudioBuffer& buffer) {
  int timeouts = 0;
  while (!buffer.done()) {
    if (rec.device.wait(kWaitMs) == WAIT_TIMEOUT && !buffer.done() && ++timeouts == kMaxTimeouts) {
      rec.problem = "The microphone stopped delivering sound.";
      return false;
    }
    if (rec.terminal.stopRequested()) {
      return buffer.done();
    }
  }
  return true;
}

void captureLoop(Recording& rec) {
  const std::uint32_t second = rec.writer.format().nAvgBytesPerSec;
  int index = 0;
  while (!rec.terminal.stopRequested()) {
    AudioBuffer& buffer = *rec.device.buffer(index);
    if (!awaitBuffer(rec, buffer) || !buffer.done()) {
      return;
    }
    rec.device.unprepare(buffer);
    const bool more = consume(rec, buffer);
    rec.device.prepare(buffer);
    rec.device.add(buffer);
    index = (index + 1) % rec.device.count();
    rec.terminal.progress("Recording " + std::to_string(rec.writer.dataBytes() / second) +
                          " s (Enter or Ctrl-C stops)");
    if (!more) {
      return;
    }
  }
  // Keep what the source delivered up to the stop: the buffers returned by stop and reset.
  rec.device.stop();
  rec.device.reset();
  for (int n = 0; n < rec.device.count(); ++n) {
    AudioBuffer& buffer = *rec.device.buffer((index + n) % rec.device.count());
    if (buffer.done() && buffer.bytesRecorded() > 0 && !consume(rec, buffer)) {
      break;
    }
  }
}

int runRecord(const std::vector<std::string>& args) {
  CliArgs parsed;
  std::optional<double> seconds;
  std::optional<long> quality;
  if (!parsed.parse(args, {"seconds", "quality"}) ||
      !parsed.doubleValue("seconds", 0.001, 1e7, seconds) ||
      !parsed.intValue("quality", 0, 2, quality)) {
    return usageError(parsed.error(), kUsage);
  }
  if (parsed.positional().size() != 1) {
    return usageError("record takes one output file", kUsage);
  }
  const std::string& path = parsed.positional()[0];
  const std::uint32_t rate = NoteMetrics::qualitySampleRate(static_cast<int>(quality.value_or(2)));
  const WaveFormat format = WaveFormat::pcm(1, rate, 16);

  PulseAudioBackend backend;
  CaptureDevice device(backend);
  device.setBufferCount(BufferSizing::kMainRecorderBuffers);
  device.configure(format, BufferSizing::mainRecorderBufferBytes(rate));
  if (!device.open(format)) {
    return userError(kMicrophoneMessage);
  }
  WaveFileWriter writer;
  if (!writer.open(path, format)) {
    return userError("Unable to create the note file " + path + ".");
  }
  Terminal terminal(true);
  const std::uint64_t limit =
      seconds ? static_cast<std::uint64_t>(*seconds * rate) * 2 : std::uint64_t{0};
  Recording rec{device, writer, terminal, limit, {}};
  device.queueAll();
  device.start();
  captureLoop(rec);
  device.stop();
  device.reset();
  device.close();
  terminal.finish();
  const bool closed = writer.close();
  std::printf("%s: %.1f seconds\n", path.c_str(), writer.dataBytes() / (rate * 2.0));
  if (!rec.problem.empty() || !closed) {
    return userError(rec.problem.empty() ? "Unable to write the note file." : rec.problem);
  }
  return kExitOk;
}

const CliVerbRegistration kRecord({"record", kUsage, &runRecord});

}  // namespace
}  // namespace qp::cli
