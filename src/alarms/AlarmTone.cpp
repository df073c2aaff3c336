#include "alarms/AlarmTone.h"

#include <cmath>
#include <numbers>

namespace qp {
namespace {

constexpr std::uint32_t kRate = 22050;

// One chime note: a sine with a 5 ms rise and an exponential decay.
void appendNote(std::vector<std::uint8_t>& out, double frequency, double seconds) {
  const auto count = static_cast<std::uint32_t>(seconds * kRate);
  for (std::uint32_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double envelope = std::min(t / 0.005, 1.0) * std::exp(-4.0 * t);
    const double value = 12000.0 * envelope * std::sin(2.0 * std::numbers::pi * frequency * t);
    const auto sample = static_cast<std::int16_t>(std::lround(value));
    out.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(sample) & 0xFF));
    out.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(sample) >> 8));
  }
}

}  // namespace

WaveFormat AlarmTone::format() {
  return WaveFormat::pcm(1, kRate, 16);
}

const std::vector<std::uint8_t>& AlarmTone::bytes() {
  static const std::vector<std::uint8_t> tone = [] {
    std::vector<std::uint8_t> out;
    appendNote(out, 1318.5, 0.3);  // E6
    appendNote(out, 1046.5, 0.4);  // C6
    return out;
  }();
  return tone;
}

}  // namespace qp
