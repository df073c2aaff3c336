// Real-time factor of the Silkvoice noise reduction (CSilkvoiceFilter::Process, fed in the
// main recorder's block size) against the speexdsp preprocessor's denoiser (20 ms frames,
// denoise on, AGC off) on the same 16-bit mono signal: seconds of audio per CPU second.
// Silkvoice runs a second time in the reference's 20 ms frames, so the two are also compared
// at equal frame sizes. By default every case runs five times, the repetitions of all cases
// in random interleaved order (so a drift of the machine's speed hits both sides alike), and
// the medians count. After the runs a table gives the figures and ratios per rate; the last
// line is the ratio at 22050 Hz in the recorder's blocks.
#include <benchmark/benchmark.h>
#include <speex/speex_preprocess.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <numbers>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "audio/device/BufferSizing.h"
#include "dsp/CSilkvoiceFilter.h"

namespace {

constexpr double kSeconds = 10.0;

// Speech-like test signal: a gliding voiced tone with harmonics in syllable-length bursts over
// steady background noise.
std::vector<std::int16_t> testSignal(int rate) {
  const auto count = static_cast<std::size_t>(kSeconds * rate);
  std::vector<std::int16_t> out(count);
  std::mt19937 random(7);
  std::uniform_real_distribution<double> noise(-600.0, 600.0);
  double phase = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double pitch = 140.0 + 40.0 * std::sin(2.0 * std::numbers::pi * 0.7 * t);
    phase += 2.0 * std::numbers::pi * pitch / rate;
    const double envelope = std::fmod(t, 0.5) < 0.3 ? 1.0 : 0.0;
    double voice = 0.0;
    for (int h = 1; h <= 6; ++h) {
      voice += std::sin(h * phase) / h;
    }
    out[i] = static_cast<std::int16_t>(std::lround(envelope * 5000.0 * voice + noise(random)));
  }
  return out;
}

std::map<std::string, double>& figures() {
  static std::map<std::string, double> table;
  return table;
}

void reportRealTime(benchmark::State& state, const char* name, int rate, std::size_t samples) {
  const double audio =
      static_cast<double>(samples) / rate * static_cast<double>(state.iterations());
  state.counters["x_realtime"] = benchmark::Counter(audio, benchmark::Counter::kIsRate);
  state.SetLabel(std::string(name) + " " + std::to_string(rate) + " Hz");
}

// Silkvoice fed in blocks of blockBytes (0: the main recorder's block size).
void runSilkvoice(benchmark::State& state, std::uint32_t blockBytes, const char* name) {
  const int rate = static_cast<int>(state.range(0));
  const std::vector<std::int16_t> signal = testSignal(rate);
  std::vector<std::int16_t> work(signal.size());
  const std::uint32_t block =
      blockBytes != 0 ? blockBytes : qp::BufferSizing::mainRecorderBufferBytes(rate);
  qp::dsp::CSilkvoiceFilter filter;
  filter.Configure(static_cast<std::uint32_t>(rate), 16, 1);
  for (auto _ : state) {
    std::memcpy(work.data(), signal.data(), signal.size() * 2);
    auto* bytes = reinterpret_cast<std::uint8_t*>(work.data());
    const std::uint32_t total = static_cast<std::uint32_t>(work.size() * 2);
    for (std::uint32_t at = 0; at < total; at += block) {
      benchmark::DoNotOptimize(filter.Process(bytes + at, std::min(block, total - at)));
    }
    benchmark::ClobberMemory();
  }
  reportRealTime(state, name, rate, signal.size());
}

void BM_Silkvoice(benchmark::State& state) {
  runSilkvoice(state, 0, "silkvoice");
}

// In the reference's frames: 20 ms of 16-bit mono.
void BM_SilkvoiceEqualFrames(benchmark::State& state) {
  runSilkvoice(state, static_cast<std::uint32_t>(state.range(0) / 50 * 2), "silkvoice-20ms");
}

void BM_SpeexDenoise(benchmark::State& state) {
  const int rate = static_cast<int>(state.range(0));
  const std::vector<std::int16_t> signal = testSignal(rate);
  std::vector<std::int16_t> work(signal.size());
  const int frame = rate / 50;  // 20 ms
  SpeexPreprocessState* st = speex_preprocess_state_init(frame, rate);
  int on = 1;
  int off = 0;
  speex_preprocess_ctl(st, SPEEX_PREPROCESS_SET_DENOISE, &on);
  speex_preprocess_ctl(st, SPEEX_PREPROCESS_SET_AGC, &off);
  const std::size_t frames = signal.size() / static_cast<std::size_t>(frame);
  for (auto _ : state) {
    std::memcpy(work.data(), signal.data(), signal.size() * 2);
    for (std::size_t f = 0; f < frames; ++f) {
      benchmark::DoNotOptimize(speex_preprocess_run(st, work.data() + f * frame));
    }
    benchmark::ClobberMemory();
  }
  speex_preprocess_state_destroy(st);
  reportRealTime(state, "speexdsp", rate, frames * static_cast<std::size_t>(frame));
}

BENCHMARK(BM_Silkvoice)
    ->Arg(8000)
    ->Arg(11025)
    ->Arg(22050)
    ->Arg(44100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SilkvoiceEqualFrames)
    ->Arg(8000)
    ->Arg(11025)
    ->Arg(22050)
    ->Arg(44100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpeexDenoise)
    ->Arg(8000)
    ->Arg(11025)
    ->Arg(22050)
    ->Arg(44100)
    ->Unit(benchmark::kMillisecond);

// Console output as usual, and the real-time factors kept for the closing table.
class CollectingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const auto it = run.counters.find("x_realtime");
      if (it == run.counters.end()) {
        continue;
      }
      // With --benchmark_repetitions the median stands for the label; otherwise the run.
      if (run.run_type == Run::RT_Iteration && medians_.count(run.report_label) == 0) {
        figures()[run.report_label] = it->second.value;
      } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        figures()[run.report_label] = it->second.value;
        medians_.insert(run.report_label);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

 private:
  std::set<std::string> medians_;
};

void printRatios() {
  std::printf("\n%-8s %14s %14s %14s %8s %8s\n", "rate", "silkvoice x", "at 20 ms x", "speexdsp x",
              "ratio", "at 20 ms");
  auto ratio = [](double ours, double reference) {
    return reference > 0.0 ? ours / reference : 0.0;
  };
  for (const int rate : {8000, 11025, 22050, 44100}) {
    const std::string suffix = " " + std::to_string(rate) + " Hz";
    const double ours = figures()["silkvoice" + suffix];
    const double equal = figures()["silkvoice-20ms" + suffix];
    const double reference = figures()["speexdsp" + suffix];
    std::printf("%-8d %14.0f %14.0f %14.0f %8.2f %8.2f\n", rate, ours, equal, reference,
                ratio(ours, reference), ratio(equal, reference));
  }
  std::printf("ratio silkvoice / speexdsp at 22050 Hz: %.2f\n",
              ratio(figures()["silkvoice 22050 Hz"], figures()["speexdsp 22050 Hz"]));
}

// The default flags: five repetitions of each case, interleaved at random, unless the
// command line chooses otherwise.
std::vector<char*> withDefaultFlags(int argc, char** argv) {
  static char repetitions[] = "--benchmark_repetitions=5";
  static char interleave[] = "--benchmark_enable_random_interleaving=true";
  std::vector<char*> args(argv, argv + argc);
  bool hasRepetitions = false;
  bool hasInterleave = false;
  for (int i = 1; i < argc; ++i) {
    hasRepetitions = hasRepetitions || std::strstr(argv[i], "benchmark_repetitions") != nullptr;
    hasInterleave = hasInterleave || std::strstr(argv[i], "random_interleaving") != nullptr;
  }
  if (!hasRepetitions) {
    args.push_back(repetitions);
  }
  if (!hasInterleave) {
    args.push_back(interleave);
  }
  return args;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> args = withDefaultFlags(argc, argv);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  printRatios();
  return 0;
}
