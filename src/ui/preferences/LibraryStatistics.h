#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/Clock.h"
#include "common/SettingsStore.h"
#include "common/StringTable.h"

namespace qp {

// What the about box tells of the notes library: folders, notes and alarms counted over every
// folder, the bytes the notes take and the bytes still free for the user on their disk.
struct LibraryStatistics {
  std::size_t folders = 0;
  std::size_t notes = 0;
  std::size_t notesWithAlarms = 0;
  int armedAlarms = 0;  // the alarm scheduler's count of alarms set to go off
  std::uint64_t bytesUsed = 0;
  std::uint64_t bytesAvailable = 0;  // 0 when the disk could not be asked

  // Walks every folder of notesDirectory (settings: the folders' options; clock: "now" for
  // alarms brought up to date). Reads the disk once per directory.
  static LibraryStatistics gather(const std::string& notesDirectory, SettingsStore& settings,
                                  const StringTable& strings, const Clock& clock, int armedAlarms);

  // "%i"; with any note holding an alarm, "%i  (Today: %i)" with the armed count.
  std::string alarmsText(const StringTable& strings) const;
};

// "%.1f GB" above 10^9 bytes, "%.1f MB" above 10^6, else "%.1f KB" (units of 10^3).
std::string sizeText(std::uint64_t bytes, const StringTable& strings);

}  // namespace qp
