#include "support/DspTestSignals.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <numbers>

#include <gtest/gtest.h>

#include "audio/wave/WaveFileWriter.h"
#include "audio/wave/WaveFormat.h"
#include "dsp/DspTrace.h"

namespace qp::test {
namespace {

std::vector<std::string>& traced() {
  static std::vector<std::string> messages;
  return messages;
}

}  // namespace

std::vector<float> floatSine(double frequencyHz, double sampleRate, std::size_t count,
                             double amplitude, double phase) {
  std::vector<float> out(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / sampleRate;
    out[i] =
        static_cast<float>(amplitude * std::sin(2.0 * std::numbers::pi * frequencyHz * t + phase));
  }
  return out;
}

double rmsOf(const std::vector<float>& x, std::size_t begin, std::size_t end) {
  end = std::min(end, x.size());
  if (begin >= end) {
    return 0.0;
  }
  double sum = 0.0;
  for (std::size_t i = begin; i < end; ++i) {
    sum += static_cast<double>(x[i]) * x[i];
  }
  return std::sqrt(sum / static_cast<double>(end - begin));
}

double decibels(double a, double b) {
  if (a <= 0.0 || b <= 0.0) {
    return -300.0;
  }
  return 20.0 * std::log10(a / b);
}

std::vector<std::int16_t> toPcm16(const std::vector<float>& x) {
  std::vector<std::int16_t> out(x.size());
  for (std::size_t i = 0; i < x.size(); ++i) {
    out[i] = static_cast<std::int16_t>(std::clamp(std::lround(x[i]), -32768L, 32767L));
  }
  return out;
}

std::string writeFailureWavs(const std::string& name, const std::vector<std::int16_t>& in,
                             const std::vector<std::int16_t>& out, std::uint32_t rate) {
  const char* base = std::getenv("QP_BINARY_DIR");
  const std::filesystem::path dir =
      std::filesystem::path(base ? base : std::filesystem::temp_directory_path().string()) /
      "test-output";
  std::error_code ignored;
  std::filesystem::create_directories(dir, ignored);
  const auto write = [&](const std::string& suffix, const std::vector<std::int16_t>& samples) {
    WaveFileWriter writer;
    writer.setDurable(false);
    if (writer.open((dir / (name + suffix)).string(), WaveFormat::pcm(1, rate, 16))) {
      writer.write(samples.data(), static_cast<std::uint32_t>(samples.size() * 2));
      writer.close();
    }
  };
  write("-in.wav", in);
  write("-out.wav", out);
  return dir.string();
}

void writeWavsIfFailed(const std::string& name, const std::vector<std::int16_t>& in,
                       const std::vector<std::int16_t>& out, std::uint32_t rate) {
  if (testing::Test::HasFailure()) {
    ADD_FAILURE() << name << " written to " << writeFailureWavs(name, in, out, rate);
  }
}

std::vector<std::int16_t> runInBlocks(
    const std::vector<std::int16_t>& in, const std::vector<int>& blocks,
    const std::function<std::vector<std::int16_t>(const std::int16_t* samples, int count)>&
        process) {
  std::vector<std::int16_t> out;
  std::size_t at = 0;
  for (std::size_t b = 0; at < in.size(); b = std::min(b + 1, blocks.size() - 1)) {
    const int count = static_cast<int>(std::min<std::size_t>(blocks[b], in.size() - at));
    const std::vector<std::int16_t> made = process(in.data() + at, count);
    out.insert(out.end(), made.begin(), made.end());
    at += static_cast<std::size_t>(count);
  }
  return out;
}

DspTraceCapture::DspTraceCapture() {
  traced().clear();
  dsp::setTraceHook([](const char* message) { traced().emplace_back(message); });
}

DspTraceCapture::~DspTraceCapture() {
  dsp::setTraceHook(nullptr);
}

const std::vector<std::string>& DspTraceCapture::messages() const {
  return traced();
}

}  // namespace qp::test
