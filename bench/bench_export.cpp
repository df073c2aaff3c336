// Export of a 10-minute 22050 Hz mono note: MP3 through the encoder's entry points over the
// system's encoder library against the lame program, and WMA through FFmpeg's libraries against
// the ffmpeg program, both programs encoding the same file with the same settings in the same
// run (32 kbit/s constant bit rate, mono, no bit reservoir; WMA version 2 at 32 kbit/s).
// Start-up counts on neither side: our encoders are loaded before the clock starts, and each
// program's time has its start-up taken off, measured as the median time of the same command
// on a 20 ms note. After the runs a table gives the mean seconds per export and our time as
// a multiple of the program's; the last line holds the two ratios.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "audio/wave/WaveFileWriter.h"
#include "export/CMp3Encoder.h"
#include "export/WmaProfiles.h"
#include "platform/FfmpegWmaTranscoder.h"
#include "platform/LameBladeLibrary.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kRate = 22050;
constexpr std::size_t kSeconds = 600;

const fs::path& workDir() {
  static const fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / ("qp-bench-export-" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
  }();
  return dir;
}

// A speech-like note of `samples` samples: a gliding voiced tone with harmonics, syllable
// envelope and some noise.
void writeNote(const std::string& p, std::size_t samples) {
  qp::WaveFileWriter writer;
  writer.setDurable(false);
  writer.open(p, qp::WaveFormat::pcm(1, kRate, 16));
  std::vector<std::int16_t> block(kRate);
  std::uint32_t seed = 1;
  double phase = 0.0;
  for (std::size_t s = 0; s * kRate < samples; ++s) {
    const std::size_t n = std::min<std::size_t>(kRate, samples - s * kRate);
    for (std::size_t i = 0; i < n; ++i) {
      const double t = static_cast<double>(s * kRate + i) / kRate;
      phase += 2.0 * M_PI * (140.0 + 40.0 * std::sin(2.0 * M_PI * 0.7 * t)) / kRate;
      const double envelope = 0.5 + 0.5 * std::sin(2.0 * M_PI * 4.0 * t);
      seed = seed * 1664525u + 1013904223u;
      const double noise = (static_cast<double>(seed >> 8) / 16777216.0 - 0.5) * 1500.0;
      const double voice = std::sin(phase) + 0.5 * std::sin(2 * phase) + 0.3 * std::sin(3 * phase);
      block[i] = static_cast<std::int16_t>(envelope * 7000.0 * voice + noise);
    }
    writer.write(block.data(), static_cast<std::uint32_t>(n * 2));
  }
  writer.close();
}

const std::string& noteFile() {
  static const std::string path = [] {
    const std::string p = (workDir() / "note.wav").string();
    writeNote(p, kSeconds * kRate);
    return p;
  }();
  return path;
}

// The 20 ms note whose export stands for a program's start-up.
const std::string& tinyNoteFile() {
  static const std::string path = [] {
    const std::string p = (workDir() / "tiny.wav").string();
    writeNote(p, kRate / 50);
    return p;
  }();
  return path;
}

std::map<std::string, double>& secondsPerExport() {
  static std::map<std::string, double> figures;
  return figures;
}

template <typename Work>
void timed(benchmark::State& state, const std::string& label, Work work) {
  const std::string& note = noteFile();
  double total = 0.0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (!work(note)) {
      state.SkipWithError((label + " failed").c_str());
      return;
    }
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  secondsPerExport()[label] = total / static_cast<double>(state.iterations());
  state.counters["x_realtime"] =
      benchmark::Counter(static_cast<double>(kSeconds) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}

bool runProgram(const std::string& command) {
  return std::system(command.c_str()) == 0;
}

// Median seconds of seven runs of command(tiny note): the program's start-up and shutdown.
template <typename Command>
double startupSeconds(Command command) {
  std::vector<double> times;
  for (int i = 0; i < 7; ++i) {
    const auto start = std::chrono::steady_clock::now();
    runProgram(command(tinyNoteFile()));
    times.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

std::string lameCommand(const std::string& note) {
  return "lame --quiet -b 32 --cbr -m m --nores '" + note + "' '" +
         (workDir() / "program.mp3").string() + "'";
}

std::string ffmpegCommand(const std::string& note) {
  return "ffmpeg -nostdin -v error -y -i '" + note + "' -c:a wmav2 -b:a 32k '" +
         (workDir() / "program.wma").string() + "'";
}

void BM_Mp3Export(benchmark::State& state) {
  qp::CMp3Encoder encoder(qp::LameBladeLibrary::load());
  if (!encoder.available()) {
    state.SkipWithError("no MP3 encoder library");
    return;
  }
  const std::string out = (workDir() / "ours.mp3").string();
  timed(state, "mp3 ours", [&](const std::string& note) { return encoder.encode(note, out); });
}

void BM_LameProgram(benchmark::State& state) {
  secondsPerExport()["mp3 start-up"] = startupSeconds(lameCommand);
  timed(state, "mp3 program",
        [&](const std::string& note) { return runProgram(lameCommand(note)); });
}

void BM_WmaExport(benchmark::State& state) {
  qp::FfmpegWmaTranscoder transcoder;
  const std::string out = (workDir() / "ours.wma").string();
  timed(state, "wma ours", [&](const std::string& note) {
    return transcoder.wavToWma(note, out, qp::WmaProfiles::kSpeechBitRate);
  });
}

void BM_FfmpegProgram(benchmark::State& state) {
  secondsPerExport()["wma start-up"] = startupSeconds(ffmpegCommand);
  timed(state, "wma program",
        [&](const std::string& note) { return runProgram(ffmpegCommand(note)); });
}

BENCHMARK(BM_Mp3Export)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_LameProgram)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_WmaExport)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_FfmpegProgram)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void printRatios() {
  auto& f = secondsPerExport();
  std::printf("\n%-6s %10s %11s %12s %14s %8s\n", "format", "ours s", "program s", "start-up s",
              "program-start", "ratio");
  double ratios[2] = {0.0, 0.0};
  int at = 0;
  for (const char* format : {"mp3", "wma"}) {
    const double ours = f[std::string(format) + " ours"];
    const double program = f[std::string(format) + " program"];
    const double startup = f[std::string(format) + " start-up"];
    const double work = program - startup;
    ratios[at] = work > 0.0 ? ours / work : 0.0;
    std::printf("%-6s %10.3f %11.3f %12.3f %14.3f %8.2f\n", format, ours, program, startup, work,
                ratios[at]);
    ++at;
  }
  std::printf("ratio ours / program, start-up on neither side: mp3 %.2f, wma %.2f\n", ratios[0],
              ratios[1]);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  printRatios();
  std::error_code ec;
  fs::remove_all(workDir(), ec);
  return 0;
}
