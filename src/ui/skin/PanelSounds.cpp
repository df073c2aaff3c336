#include "ui/skin/PanelSounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "common/LittleEndian.h"

namespace qp {
namespace {

constexpr std::size_t kHeaderBytes = 44;
constexpr double kPeak = 0.25 * 32767.0;
constexpr double kLowHz = 660.0;
constexpr double kHighHz = 1320.0;

void putTag(std::vector<std::uint8_t>& bytes, std::size_t at, std::string_view tag) {
  std::copy(tag.begin(), tag.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::uint8_t> bytes(kHeaderBytes + dataBytes);
  putTag(bytes, 0, "RIFF");
  putLe32(&bytes.at(4), static_cast<std::uint32_t>(kHeaderBytes - 8 + dataBytes));
  putTag(bytes, 8, "WAVE");
  putTag(bytes, 12, "fmt ");
  putLe32(&bytes.at(16), 16);
  putLe16(&bytes.at(20), 1);  // PCM
  putLe16(&bytes.at(22), 1);  // mono
  putLe32(&bytes.at(24), PanelSounds::kSampleRate);
  putLe32(&bytes.at(28), PanelSounds::kSampleRate * 2);
  putLe16(&bytes.at(32), 2);
  putLe16(&bytes.at(34), 16);
  putTag(bytes, 36, "data");
  putLe32(&bytes.at(40), dataBytes);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    putLe16(&bytes.at(kHeaderBytes + 2 * i), static_cast<std::uint16_t>(samples[i]));
  }
  return bytes;
}

}  // namespace

std::vector<std::int16_t> PanelSounds::chirp(double startHz, double endHz) {
  const int count = kSampleRate * kDurationMs / 1000;
  std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
  double phase = 0.0;
  for (int i = 0; i < count; ++i) {
    const double progress = static_cast<double>(i) / (count - 1);
    const double hz = startHz + (endHz - startHz) * progress;
    phase += 2.0 * std::numbers::pi * hz / kSampleRate;
    const double envelope = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * progress);
    samples[static_cast<std::size_t>(i)] =
        static_cast<std::int16_t>(std::lround(kPeak * envelope * std::sin(phase)));
  }
  return samples;
}

std::vector<std::uint8_t> PanelSounds::wav(int soundId) {
  if (soundId == kOpenId) {
    return wavFile(chirp(kLowHz, kHighHz));
  }
  if (soundId == kCloseId) {
    return wavFile(chirp(kHighHz, kLowHz));
  }
  return {};
}

}  // namespace qp
