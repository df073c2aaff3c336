// quillophone-cli play FILE: plays a 16-bit note through the default sink.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include "audio/BufferSizing.h"
#include "audio/PlaybackDevice.h"
#include "audio/WaveFileReader.h"
#include "cli/CliArgs.h"
#include "cli/CliVerb.h"
#include "cli/Terminal.h"
#include "platform/PulseAudioBackend.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage = "play FILE";

// Waits until the sink has finished with the buffer; false when a stop came first.
bool awaitFree(PlaybackDevice& device, AudioBuffer& buffer, Terminal& terminal) {
  while (!device.unprepare(buffer)) {
    if (terminal.stopRequested()) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

void showRemaining(Terminal& terminal, const WaveFileReader& reader) {
  const double left = static_cast<double>(reader.dataSize() - reader.position()) /
                      std::max<std::uint32_t>(reader.format().nAvgBytesPerSec, 1);
  char text[64];
  std::snprintf(text, sizeof text, "Playing: %.1f s left (Ctrl-C stops)", left);
  terminal.progress(text);
}

void playLoop(PlaybackDevice& device, WaveFileReader& reader, std::uint32_t chunk,
              Terminal& terminal) {
  std::vector<std::uint8_t> block(chunk);
  int index = 0;
  bool stopped = false;
  while (!stopped) {
    const std::uint32_t n = reader.read(block.data(), chunk);
    if (n == 0) {
      break;
    }
    AudioBuffer& buffer = *device.buffer(index);
    if (!awaitFree(device, buffer, terminal)) {
      stopped = true;
      break;
    }
    std::memcpy(buffer.data(), block.data(), n);
    buffer.setLength(n);
    device.prepare(buffer);
    device.write(buffer);
    index = (index + 1) % device.count();
    showRemaining(terminal, reader);
  }
  for (int i = 0; i < device.count() && !stopped; ++i) {
    stopped = !awaitFree(device, *device.buffer(i), terminal);
  }
}

int runPlay(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {})) {
    return usageError(parsed.error(), kUsage);
  }
  if (parsed.positional().size() != 1) {
    return usageError("play takes one file", kUsage);
  }
  WaveFileReader reader;
  if (!reader.open(parsed.positional()[0])) {
    std::fprintf(stderr, "Unable to open the note file.\nerror %d\n", reader.lastError());
    return kExitUserError;
  }
  const WaveFormat format = reader.format();
  if (format.wBitsPerSample != 16 || format.nChannels == 0) {
    return userError("Only 16-bit wave files can be played.");
  }
  const std::uint32_t chunk =
      BufferSizing::playbackChunkBytes(format.nSamplesPerSec, format.nChannels);
  PulseAudioBackend backend;
  PlaybackDevice device(backend);
  device.setBufferCount(BufferSizing::kPlaybackBuffers);
  device.configure(format, 2 * chunk);
  if (!device.open(format)) {
    return userError("Unable to open the speakers.");
  }
  device.resetEvent();
  Terminal terminal(false);
  playLoop(device, reader, chunk, terminal);
  device.reset();
  device.close();
  return kExitOk;
}

const CliVerbRegistration kPlay({"play", kUsage, &runPlay});

}  // namespace
}  // namespace qp::cli
