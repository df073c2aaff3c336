#include "audio/wave/NoteMetrics.h"

#include <cmath>
#include <cstdio>

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

std::string NoteMetrics::lengthText(double seconds) {
  if (seconds < 60.0) {
    return format("%.1f seconds", seconds);
  }
  const int minutes = static_cast<int>(seconds) / 60;
  const double rest = seconds - 60.0 * minutes;
  if (minutes == 1) {
    return format("1 minute %.1f seconds", rest);
  }
  return format("%i minutes %.1f seconds", minutes, rest);
}

std::string NoteMetrics::qualityLabel(std::uint32_t sampleRate) {
  if (sampleRate <= 8000) {
    return "Low";
  }
  return sampleRate <= 11025 ? "Medium" : "High";
}

std::string NoteMetrics::qualityPresetLabel(int quality) {
  return qualityLabel(qualitySampleRate(quality));
}

std::uint64_t NoteMetrics::tenMinuteBytes(int quality) {
  return std::uint64_t{qualitySampleRate(quality)} * 1200u;
}

std::string NoteMetrics::diskSpaceText(int quality) {
  const std::string size =
      format("%.1f %s", static_cast<double>(tenMinuteBytes(quality)) / 1e6, "MB");
  const std::string label = qualityPresetLabel(quality);
  return format(
      "This affects the amount of disk space used. 10 minutes of notes at \"%s\" will use %s "
      "of disk space.",
      label.c_str(), size.c_str());
}

}  // namespace qp
