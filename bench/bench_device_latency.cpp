// Latency of the sound devices on the running sound server, measured through the same
// objects the recorder and the player use:
//  - capture: start() to the first completed buffer (goal: at most two buffer durations);
//  - playback: the first write() to the moment that buffer has been played (played_ms); less
//    the chunk's own duration that is the time until its sound started (start_ms; goal: at
//    most four buffers). A sink that renders ahead reports the end early: start_ms is then 0.
// Counters give the figures in milliseconds and as multiples of one buffer's duration.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "audio/device/BufferSizing.h"
#include "audio/device/CaptureDevice.h"
#include "audio/device/PlaybackDevice.h"
#include "platform/PulseAudioBackend.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void BM_CaptureStartToFirstBuffer(benchmark::State& state) {
  const auto rate = static_cast<std::uint32_t>(state.range(0));
  const auto format = qp::WaveFormat::pcm(1, rate, 16);
  const std::uint32_t size = qp::BufferSizing::mainRecorderBufferBytes(rate);
  const double bufferMs = 1000.0 * size / format.nAvgBytesPerSec;
  qp::PulseAudioBackend backend("Quillophone latency benchmark");
  double total = 0;
  for (auto _ : state) {
    qp::CaptureDevice device(backend);
    device.setBufferCount(qp::BufferSizing::kMainRecorderBuffers);
    device.configure(format, size);
    if (!device.open(format)) {
      state.SkipWithError("no capture source");
      return;
    }
    device.queueAll();
    const auto start = Clock::now();
    device.start();
    while (!device.buffer(0)->done()) {
      device.wait(100);
    }
    const double ms = msSince(start);
    state.SetIterationTime(ms / 1000.0);
    total += ms;
    device.stop();
    device.reset();
    device.close();
  }
  const double mean = total / static_cast<double>(state.iterations());
  state.counters["latency_ms"] = mean;
  state.counters["buffers"] = mean / bufferMs;
}
BENCHMARK(BM_CaptureStartToFirstBuffer)
    ->Arg(8000)
    ->Arg(11025)
    ->Arg(22050)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

void BM_PlaybackWriteToSound(benchmark::State& state) {
  const auto rate = static_cast<std::uint32_t>(state.range(0));
  const auto format = qp::WaveFormat::pcm(1, rate, 16);
  const std::uint32_t chunk = qp::BufferSizing::playbackChunkBytes(rate, 1);
  const double chunkMs = 1000.0 * chunk / format.nAvgBytesPerSec;
  const double bufferMs = 2 * chunkMs;
  qp::PulseAudioBackend backend("Quillophone latency benchmark");
  double total = 0;
  for (auto _ : state) {
    qp::PlaybackDevice device(backend);
    device.setBufferCount(qp::BufferSizing::kPlaybackBuffers);
    device.configure(format, 2 * chunk);
    if (!device.open(format)) {
      state.SkipWithError("no playback sink");
      return;
    }
    qp::AudioBuffer& first = *device.buffer(0);
    first.setLength(chunk);
    device.prepare(first);
    const auto start = Clock::now();
    device.write(first);
    while (!device.unprepare(first)) {
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    const double ms = msSince(start);
    state.SetIterationTime(ms / 1000.0);
    total += ms;
    device.reset();
    device.close();
  }
  // The buffer was written at once, so its sound started at most this long after the write.
  const double mean = total / static_cast<double>(state.iterations());
  state.counters["played_ms"] = mean;
  state.counters["chunk_ms"] = chunkMs;
  state.counters["start_ms"] = std::max(0.0, mean - chunkMs);
  state.counters["buffers"] = std::max(0.0, mean - chunkMs) / bufferMs;
}
BENCHMARK(BM_PlaybackWriteToSound)
    ->Arg(8000)
    ->Arg(11025)
    ->Arg(22050)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
