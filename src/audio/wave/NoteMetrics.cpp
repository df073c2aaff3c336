#include "audio/wave/NoteMetrics.h"

#include <cmath>
#include <cstdio>

#include "common/StringIds.h"

namespace qp {
namespace {

constexpr std::uint32_t kPresetRates[3] = {8000, 11025, 22050};
constexpr int kDefaultQuality = 2;

template <typename... Args>
std::string format(const char* pattern, Args... args) {
  char text[256];
  std::snprintf(text, sizeof text, pattern, args...);
  return text;
}

}  // namespace

int NoteMetrics::clampQuality(int quality) {
  return quality >= 0 && quality <= 2 ? quality : kDefaultQuality;
}

std::uint32_t NoteMetrics::qualitySampleRate(int quality) {
  return kPresetRates[clampQuality(quality)];
}

std::uint32_t NoteMetrics::byteOffsetOfFraction(double fraction, std::uint32_t dataSize) {
  if (!(fraction > 0.0)) {
    return 0;
  }
  const double bytes = std::trunc(std::fmin(fraction, 1.0) * dataSize);
  return static_cast<std::uint32_t>(bytes) & ~3u;
}

double NoteMetrics::durationSeconds(std::uint32_t dataSize, std::uint32_t rate,
                                    std::uint16_t channels) {
  if (rate == 0 || channels == 0) {
    return 0.0;
  }
  return static_cast<double>(dataSize) / (rate * 2.0) / channels;
}

std::string NoteMetrics::lengthText(double seconds, const StringTable& strings) {
  if (seconds < 60.0) {
    return StringTable::substitute(strings.text(StringId::kLengthSeconds),
                                   {format("%.1f", seconds)});
  }
  const int minutes = static_cast<int>(seconds) / 60;
  const double rest = seconds - 60.0 * minutes;
  if (minutes == 1) {
    return StringTable::substitute(strings.text(StringId::kLengthOneMinute),
                                   {format("%.1f", rest)});
  }
  return StringTable::substitute(strings.text(StringId::kLengthMinutes),
                                 {std::to_string(minutes), format("%.1f", rest)});
}

std::string NoteMetrics::qualityLabel(std::uint32_t sampleRate, const StringTable& strings) {
  if (sampleRate <= 8000) {
    return strings.text(StringId::kQualityLow);
  }
  return strings.text(sampleRate <= 11025 ? StringId::kQualityMedium : StringId::kQualityHigh);
}

std::string NoteMetrics::qualityPresetLabel(int quality, const StringTable& strings) {
  return qualityLabel(qualitySampleRate(quality), strings);
}

std::uint64_t NoteMetrics::tenMinuteBytes(int quality) {
  return std::uint64_t{qualitySampleRate(quality)} * 1200u;
}

std::string NoteMetrics::diskSpaceText(int quality, const StringTable& strings) {
  const std::string size = format("%.1f %s", static_cast<double>(tenMinuteBytes(quality)) / 1e6,
                                  strings.text(StringId::kMegabytes).c_str());
  return StringTable::substitute(strings.text(StringId::kDiskSpaceNote),
                                 {qualityPresetLabel(quality, strings), size});
}

}  // namespace qp
