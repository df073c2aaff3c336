#include "alarms/scheduling/DeviceAlarmSounds.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <vector>

#include "alarms/AlarmTone.h"
#include "audio/device/BufferSizing.h"
#include "audio/device/PlaybackDevice.h"
#include "audio/wave/WaveFileReader.h"

namespace qp {
namespace {

using Source = std::function<std::uint32_t(std::uint8_t*, std::uint32_t)>;

// Waits until the sink has finished with the buffer; false when stop came first.
bool awaitFree(PlaybackDevice& device, AudioBuffer& buffer, const std::atomic<bool>& stop) {
  while (!device.unprepare(buffer)) {
    if (stop.load()) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

// Plays what source delivers until it is exhausted (and heard) or stop is set. False when the
// sink cannot be opened for the format.
bool playStream(AudioBackend& backend, const WaveFormat& format, const Source& source,
                const std::atomic<bool>& stop) {
  if (format.wBitsPerSample != 16 || format.nChannels == 0) {
    return false;
  }
  const std::uint32_t chunk =
      BufferSizing::playbackChunkBytes(format.nSamplesPerSec, format.nChannels);
  PlaybackDevice device(backend);
  device.setBufferCount(BufferSizing::kPlaybackBuffers);
  device.configure(format, chunk);
  if (!device.open(format)) {
    return false;
  }
  device.resetEvent();
  bool stopped = false;
  for (int index = 0; !stopped; index = (index + 1) % device.count()) {
    AudioBuffer& buffer = *device.buffer(index);
    if (!awaitFree(device, buffer, stop)) {
      stopped = true;
      break;
    }
    const std::uint32_t n = source(buffer.data(), chunk);
    if (n == 0) {
      break;
    }
    buffer.setLength(n);
    device.prepare(buffer);
    device.write(buffer);
  }
  for (int i = 0; i < device.count() && !stopped; ++i) {
    stopped = !awaitFree(device, *device.buffer(i), stop);
  }
  device.reset();
  device.close();
  return true;
}

bool playFile(AudioBackend& backend, const std::string& path, const std::atomic<bool>& stop) {
  WaveFileReader reader;
  if (!reader.open(path)) {
    return false;
  }
  return playStream(
      backend, reader.format(),
      [&reader](std::uint8_t* out, std::uint32_t n) { return reader.read(out, n); }, stop);
}

}  // namespace

DeviceAlarmSounds::DeviceAlarmSounds(AudioBackend& backend) : backend_(backend) {}

DeviceAlarmSounds::~DeviceAlarmSounds() {
  stopAll();
}

void DeviceAlarmSounds::joinFinished() {
  if (worker_.joinable() && finished_.load()) {
    worker_.join();
  }
}

bool DeviceAlarmSounds::playTone() {
  joinFinished();
  if (playing()) {
    return false;
  }
  const std::vector<std::uint8_t>& tone = AlarmTone::bytes();
  std::size_t at = 0;
  const std::atomic<bool> never{false};
  return playStream(
      backend_, AlarmTone::format(),
      [&](std::uint8_t* out, std::uint32_t n) {
        const auto count = static_cast<std::uint32_t>(std::min<std::size_t>(n, tone.size() - at));
        std::memcpy(out, tone.data() + at, count);
        at += count;
        return count;
      },
      never);
}

void DeviceAlarmSounds::playNote(const std::string& path) {
  stopAll();
  const std::atomic<bool> never{false};
  playFile(backend_, path, never);
}

void DeviceAlarmSounds::startNote(const std::string& path) {
  stopAll();
  stop_ = false;
  finished_ = false;
  worker_ = std::thread([this, path] {
    playFile(backend_, path, stop_);
    finished_ = true;
  });
}

void DeviceAlarmSounds::stopAll() {
  if (worker_.joinable()) {
    stop_ = true;
    worker_.join();
  }
  finished_ = true;
}

void DeviceAlarmSounds::pause(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace qp
