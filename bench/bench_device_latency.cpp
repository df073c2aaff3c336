// Latency of the sound devices on the running sound server, measured through the same
// objects the recorder and the player use:
//  - capture: start() to the first completed buffer, also in multiples of the buffer's
//    duration (goal: at most two);
//  - playback: a tone in one buffer of 26 ms (25-27 ms: whole samples), from write() to the
//    moment its first sample is heard on the sink's monitor (a low-latency recording of what the
//    sink plays, less that recording's own reported latency; never below 0). The reference is
//    a plain stream of the sound server with the same 26 ms buffer, measured the same way in
//    the same run. A null sink hands its sound to the monitor as it renders it, so there the
//    figures hold the server's share only; a sound card adds its own buffer to both sides.
// After the runs a table gives the figures per rate; the last line is the playback ratio ours /
// plain stream at 22050 Hz.
#include <benchmark/benchmark.h>
#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

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

constexpr double kPlaybackBufferMs = 26.0;

std::map<std::string, double>& figures() {
  static std::map<std::string, double> table;
  return table;
}

std::uint32_t playbackBufferBytes(std::uint32_t rate) {
  return 2 * static_cast<std::uint32_t>(std::lround(rate * kPlaybackBufferMs / 1000.0));
}

// A square wave of amplitude 8000, non-zero from the first sample.
void fillTone(std::uint8_t* bytes, std::uint32_t length) {
  for (std::uint32_t i = 0; i + 1 < length; i += 2) {
    const std::int16_t v = (i / 2 / 20) % 2 == 0 ? 8000 : -8000;
    std::memcpy(bytes + i, &v, 2);
  }
}

// Records the default sink's monitor in 1 ms fragments on a thread of its own and notes when
// the first sample louder than 1000 was played: its arrival, less the samples after it in
// that read and the recording latency the server reports.
class MonitorListener {
 public:
  explicit MonitorListener(std::uint32_t rate) : rate_(rate) {
    pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, rate, 1};
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.fragsize = 2 * std::max<std::uint32_t>(1, rate / 1000);
    stream_ = pa_simple_new(nullptr, "Quillophone latency benchmark", PA_STREAM_RECORD,
                            "@DEFAULT_MONITOR@", "monitor", &sampleFormat, nullptr, &attr, nullptr);
    if (stream_ != nullptr) {
      thread_ = std::thread([this] { listen(); });
    }
  }
  ~MonitorListener() {
    stop_ = true;
    if (thread_.joinable()) {
      thread_.join();
    }
    if (stream_ != nullptr) {
      pa_simple_free(stream_);
    }
  }
  MonitorListener(const MonitorListener&) = delete;
  MonitorListener& operator=(const MonitorListener&) = delete;

  bool ok() const { return stream_ != nullptr; }
  // Starts looking for the first loud sample from now on.
  void arm() {
    heard_ = false;
    armed_ = true;
  }
  // Waits (up to 2 s after start) for the first loud sample since arm(); returns its time,
  // or start + 2 s.
  Clock::time_point heard(Clock::time_point start) {
    const auto limit = start + std::chrono::seconds(2);
    while (!heard_ && Clock::now() < limit) {
      std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    armed_ = false;
    return heard_ ? when_.load() : limit;
  }

 private:
  void listen() {
    std::vector<std::int16_t> block(std::max<std::uint32_t>(1, rate_ / 1000));
    while (!stop_) {
      if (pa_simple_read(stream_, block.data(), block.size() * 2, nullptr) < 0) {
        return;
      }
      const auto now = Clock::now();
      const auto loud = std::find_if(block.begin(), block.end(),
                                     [](std::int16_t v) { return std::abs(v) > 1000; });
      if (!armed_ || heard_ || loud == block.end()) {
        continue;
      }
      const double after = static_cast<double>(block.end() - loud) / rate_;
      const double latency = static_cast<double>(pa_simple_get_latency(stream_, nullptr)) / 1e6;
      when_ = now - std::chrono::duration_cast<Clock::duration>(
                        std::chrono::duration<double>(after + latency));
      heard_ = true;
    }
  }

  std::uint32_t rate_;
  pa_simple* stream_ = nullptr;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> armed_{false};
  std::atomic<bool> heard_{false};
  std::atomic<Clock::time_point> when_{};
};

// Mean milliseconds from the start of `play` to the sound on the monitor, over the
// iterations; play(start) writes one 26 ms tone buffer and returns once it was handed over.
template <typename Play>
void measurePlayback(benchmark::State& state, const char* name, Play play) {
  const auto rate = static_cast<std::uint32_t>(state.range(0));
  MonitorListener monitor(rate);
  if (!monitor.ok()) {
    state.SkipWithError("no sink monitor");
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(100));  // let the recording settle
  double total = 0;
  for (auto _ : state) {
    Clock::time_point start;
    monitor.arm();
    if (!play(rate, start)) {
      state.SkipWithError("no playback sink");
      return;
    }
    const double ms = std::max(
        0.0, std::chrono::duration<double, std::milli>(monitor.heard(start) - start).count());
    state.SetIterationTime(ms / 1000.0);
    total += ms;
    std::this_thread::sleep_for(std::chrono::milliseconds(60));  // the tone dies away
  }
  const double mean = total / static_cast<double>(state.iterations());
  const double bufferMs = 1000.0 * playbackBufferBytes(rate) / 2 / rate;
  state.counters["start_ms"] = mean;
  state.counters["buffer_ms"] = bufferMs;
  state.counters["buffers"] = mean / bufferMs;
  figures()[std::string(name) + " " + std::to_string(rate)] = mean;
}

void BM_PlaybackWriteToSound(benchmark::State& state) {
  qp::PulseAudioBackend backend("Quillophone latency benchmark");
  measurePlayback(state, "ours", [&](std::uint32_t rate, Clock::time_point& start) {
    const auto format = qp::WaveFormat::pcm(1, rate, 16);
    const std::uint32_t size = playbackBufferBytes(rate);
    qp::PlaybackDevice device(backend);
    device.setBufferCount(qp::BufferSizing::kPlaybackBuffers);
    device.configure(format, size);
    if (!device.open(format)) {
      return false;
    }
    qp::AudioBuffer& first = *device.buffer(0);
    first.setLength(size);
    fillTone(first.data(), size);
    device.prepare(first);
    start = Clock::now();
    device.write(first);
    while (!device.unprepare(first)) {
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    device.reset();
    device.close();
    return true;
  });
}

// The reference: a plain playback stream asking for the same 26 ms buffer.
void BM_PlainStreamWriteToSound(benchmark::State& state) {
  measurePlayback(state, "plain", [](std::uint32_t rate, Clock::time_point& start) {
    const std::uint32_t size = playbackBufferBytes(rate);
    pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, rate, 1};
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = size;
    attr.prebuf = static_cast<std::uint32_t>(-1);
    attr.minreq = static_cast<std::uint32_t>(-1);
    pa_simple* stream = pa_simple_new(nullptr, "Quillophone latency benchmark", PA_STREAM_PLAYBACK,
                                      nullptr, "reference", &sampleFormat, nullptr, &attr, nullptr);
    if (stream == nullptr) {
      return false;
    }
    std::vector<std::uint8_t> tone(size);
    fillTone(tone.data(), size);
    start = Clock::now();
    pa_simple_write(stream, tone.data(), tone.size(), nullptr);
    pa_simple_drain(stream, nullptr);
    pa_simple_free(stream);
    return true;
  });
}

BENCHMARK(BM_PlaybackWriteToSound)
    ->Arg(8000)
    ->Arg(11025)
    ->Arg(22050)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainStreamWriteToSound)
    ->Arg(8000)
    ->Arg(11025)
    ->Arg(22050)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

void printRatios() {
  std::printf("\n%-8s %12s %12s %8s\n", "rate", "ours ms", "plain ms", "ratio");
  auto ratio = [](double ours, double reference) {
    return reference > 0.0 ? ours / reference : 0.0;
  };
  for (const int rate : {8000, 11025, 22050}) {
    const double ours = figures()["ours " + std::to_string(rate)];
    const double plain = figures()["plain " + std::to_string(rate)];
    std::printf("%-8d %12.1f %12.1f %8.2f\n", rate, ours, plain, ratio(ours, plain));
  }
  std::printf("ratio playback start ours / plain stream at 22050 Hz: %.2f\n",
              ratio(figures()["ours 22050"], figures()["plain 22050"]));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  printRatios();
  return 0;
}
