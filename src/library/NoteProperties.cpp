#include "library/NoteProperties.h"

#include <cstdio>

#include "audio/wave/NoteMetrics.h"
#include "audio/wave/WaveFileReader.h"
#include "common/StringIds.h"
#include "common/TimeFormat.h"

namespace qp {

std::string NoteProperties::fileSizeText(std::uint64_t bytes, const StringTable& strings) {
  const double size = static_cast<double>(bytes);
  double value = size * 0.001;
  int unit = StringId::kKilobytes;
  if (bytes > 1000000000ULL) {
    value = size * 0.000000001;
    unit = StringId::kGigabytes;
  } else if (bytes > 1000000ULL) {
    value = size * 0.000001;
    unit = StringId::kMegabytes;
  }
  char text[64];
  std::snprintf(text, sizeof text, "%.1f %s", value, strings.text(unit).c_str());
  return text;
}

std::string NoteProperties::locationText(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == '/') {
      out += " / ";
    } else {
      out += c;
    }
  }
  return out;
}

NoteProperties NoteProperties::of(const NoteEntry& entry, const std::string& folderName,
                                  const StringTable& strings) {
  NoteProperties properties;
  properties.name = entry.displayName;
  properties.folder = folderName;
  WaveFileReader reader;
  if (reader.open(entry.path)) {
    const WaveFormat& format = reader.format();
    char quality[96];
    std::snprintf(quality, sizeof quality, "%s (%u Hz)",
                  NoteMetrics::qualityLabel(format.nSamplesPerSec, strings).c_str(),
                  unsigned{format.nSamplesPerSec});
    properties.quality = quality;
    properties.length = NoteMetrics::lengthText(
        NoteMetrics::durationSeconds(reader.dataSize(), format.nSamplesPerSec, format.nChannels),
        strings);
  }
  properties.lastModified = TimeFormat::formatLocal(entry.writeTimeSeconds(), "%#c");
  properties.fileSize = fileSizeText(entry.size, strings);
  properties.location = locationText(entry.path);
  return properties;
}

}  // namespace qp
