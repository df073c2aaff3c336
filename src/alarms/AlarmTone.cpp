#include "alarms/AlarmTone.h"

#include <cmath>
#include <numbers>

#include "common/LittleEndian.h"

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
    std::uint8_t bytes[2];
    putLe16(bytes, static_cast<std::uint16_t>(sample));
    out.insert(out.end(), bytes, bytes + 2);
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
