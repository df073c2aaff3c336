// Real-time factor of the playback-speed processors at 22050 Hz: how many seconds of a note
// each turns per second of one core, fed in the player's chunks (1200 samples). The reference
// is the plain copy the player makes at normal speed, measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "dsp/CHalfRateDecimator.h"
#include "dsp/CRateAdjuster.h"
#include "dsp/PlaybackSpeed.h"

namespace {

constexpr int kRate = 22050;
constexpr int kSeconds = 10;
constexpr int kChunk = 1200;  // samples per chunk of the player at 22050 Hz

std::vector<std::int16_t> noteSamples() {
  std::mt19937 engine(1);
  std::uniform_int_distribution<int> dist(-12000, 12000);
  std::vector<std::int16_t> s(static_cast<std::size_t>(kRate) * kSeconds);
  for (auto& v : s) {
    v = static_cast<std::int16_t>(dist(engine));
  }
  return s;
}

// Seconds of audio per second of processing.
void reportRealTime(benchmark::State& state) {
  state.counters["x_realtime"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * kSeconds, benchmark::Counter::kIsRate);
}

void BM_CopyReference(benchmark::State& state) {
  const auto note = noteSamples();
  std::vector<std::int16_t> out(2 * kChunk);
  for (auto _ : state) {
    for (std::size_t at = 0; at + kChunk <= note.size(); at += kChunk) {
      std::memcpy(out.data(), note.data() + at, kChunk * sizeof(std::int16_t));
      benchmark::DoNotOptimize(out.data());
    }
  }
  reportRealTime(state);
}
BENCHMARK(BM_CopyReference)->Unit(benchmark::kMillisecond);

void BM_RateAdjuster(benchmark::State& state) {
  const auto note = noteSamples();
  std::vector<std::int16_t> out(2 * kChunk);
  qp::dsp::CRateAdjuster adjuster;
  adjuster.SetFilterAlways(true);
  adjuster.Configure(kRate, qp::dsp::PlaybackSpeed::CycleLength(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    for (std::size_t at = 0; at + kChunk <= note.size(); at += kChunk) {
      benchmark::DoNotOptimize(adjuster.Process(note.data() + at, kChunk, out.data(), 2 * kChunk));
    }
  }
  reportRealTime(state);
}
// Speed positions: -19 (twice the speed) .. 19 (two thirds).
BENCHMARK(BM_RateAdjuster)
    ->Arg(-19)
    ->Arg(-10)
    ->Arg(-1)
    ->Arg(1)
    ->Arg(10)
    ->Arg(19)
    ->Unit(benchmark::kMillisecond);

void BM_HalfRateDecimator(benchmark::State& state) {
  const auto note = noteSamples();
  std::vector<std::int16_t> out(kChunk);
  qp::dsp::CHalfRateDecimator decimator;
  for (auto _ : state) {
    for (std::size_t at = 0; at + kChunk <= note.size(); at += kChunk) {
      benchmark::DoNotOptimize(decimator.Process(note.data() + at, kChunk, out.data(), kChunk));
    }
  }
  reportRealTime(state);
}
BENCHMARK(BM_HalfRateDecimator)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
