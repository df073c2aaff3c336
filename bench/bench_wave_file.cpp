// Throughput of writing and reading note files, against a plain fwrite/fread of the same
// bytes as the reference (the cost of the format and the once-a-second size updates).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/wave/WaveFileReader.h"
#include "audio/wave/WaveFileWriter.h"

namespace {

constexpr std::uint32_t kRate = 22050;
constexpr std::uint32_t kSeconds = 60;
constexpr std::uint32_t kBlock = 1200;  // the main recorder's buffer at 22050 Hz

std::string benchPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

void BM_WriterOneMinute(benchmark::State& state) {
  const std::vector<std::uint8_t> block(kBlock, 0x11);
  const auto path = benchPath("qp-bench-writer.wav");
  for (auto _ : state) {
    qp::WaveFileWriter writer;
    writer.setDurable(state.range(0) != 0);
    writer.open(path, qp::WaveFormat::pcm(1, kRate, 16));
    for (std::uint32_t done = 0; done < kRate * 2 * kSeconds; done += kBlock) {
      writer.write(block.data(), kBlock);
    }
    writer.close();
  }
  state.SetBytesProcessed(state.iterations() * kRate * 2 * kSeconds);
  std::filesystem::remove(path);
}
BENCHMARK(BM_WriterOneMinute)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PlainFwriteOneMinute(benchmark::State& state) {
  const std::vector<std::uint8_t> block(kBlock, 0x11);
  const auto path = benchPath("qp-bench-plain.raw");
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    for (std::uint32_t done = 0; done < kRate * 2 * kSeconds; done += kBlock) {
      std::fwrite(block.data(), 1, kBlock, f);
    }
    std::fclose(f);
  }
  state.SetBytesProcessed(state.iterations() * kRate * 2 * kSeconds);
  std::filesystem::remove(path);
}
BENCHMARK(BM_PlainFwriteOneMinute)->Unit(benchmark::kMillisecond);

void BM_ReaderOneMinute(benchmark::State& state) {
  const auto path = benchPath("qp-bench-reader.wav");
  {
    qp::WaveFileWriter writer;
    writer.setDurable(false);
    writer.open(path, qp::WaveFormat::pcm(1, kRate, 16));
    const std::vector<std::uint8_t> second(kRate * 2, 0x22);
    for (std::uint32_t s = 0; s < kSeconds; ++s) {
      writer.write(second.data(), kRate * 2);
    }
  }
  std::vector<std::uint8_t> chunk(2400);
  for (auto _ : state) {
    qp::WaveFileReader reader;
    reader.open(path);
    std::uint64_t total = 0;
    while (const auto n = reader.read(chunk.data(), 2400)) {
      total += n;
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(state.iterations() * kRate * 2 * kSeconds);
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReaderOneMinute)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
