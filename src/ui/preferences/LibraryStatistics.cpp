#include "ui/preferences/LibraryStatistics.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "common/StringIds.h"
#include "library/FolderList.h"
#include "library/NoteList.h"

namespace qp {
namespace {

std::uint64_t freeBytes(const std::string& directory) {
  std::error_code error;
  const auto space = std::filesystem::space(directory, error);
  return error ? 0 : static_cast<std::uint64_t>(space.available);
}

}  // namespace

LibraryStatistics LibraryStatistics::gather(const std::string& notesDirectory,
                                            SettingsStore& settings, const StringTable& strings,
                                            const Clock& clock, int armedAlarms) {
  LibraryStatistics statistics;
  statistics.armedAlarms = armedAlarms;
  FolderList folders(settings, strings);
  folders.setRoot(notesDirectory);
  statistics.folders = folders.size();
  NoteList notes(settings, strings, clock);
  for (const FolderEntry& folder : folders.folders()) {
    notes.load(folder.path);
    statistics.notes += notes.size();
    for (const NoteEntry& note : notes.entries()) {
      statistics.bytesUsed += note.size;
      statistics.notesWithAlarms += note.hasAlarm() ? 1 : 0;
    }
  }
  statistics.bytesAvailable = freeBytes(notesDirectory);
  return statistics;
}

std::string LibraryStatistics::alarmsText(const StringTable& strings) const {
  if (notesWithAlarms == 0) {
    return "0";
  }
  return StringTable::substitute(strings.text(StringId::kAlarmsWithToday, "%i  (Today: %i)"),
                                 {std::to_string(notesWithAlarms), std::to_string(armedAlarms)});
}

std::string sizeText(std::uint64_t bytes, const StringTable& strings) {
  double value = static_cast<double>(bytes);
  int unit = StringId::kKilobytes;
  if (bytes > 1000000000ULL) {
    value *= 1e-9;
    unit = StringId::kGigabytes;
  } else if (bytes > 1000000ULL) {
    value *= 1e-6;
    unit = StringId::kMegabytes;
  } else {
    value *= 1e-3;
  }
  char number[64];
  std::snprintf(number, sizeof number, "%.1f", value);
  return std::string(number) + ' ' + strings.text(unit);
}

}  // namespace qp
