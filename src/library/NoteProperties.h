#pragma once

#include <cstdint>
#include <string>

#include "common/StringTable.h"
#include "library/NoteEntry.h"

namespace qp {

// The lines of the "Note Properties" dialog, after their labels "Name:", "Folder:",
// "Quality:", "Length:", "Last modified:", "File size:" and "Location:". Quality and length
// stay empty when the wave file does not open. Words and units are those of strings (the
// process's table unless a caller gives another).
struct NoteProperties {
  std::string name;          // the display name
  std::string folder;        // the current folder's name
  std::string quality;       // "%s (%i Hz)": Low up to 8000 Hz, Medium up to 11025, else High
  std::string length;        // "%.1f seconds", "1 minute %.1f seconds", "%i minutes ..."
  std::string lastModified;  // local last-write time in the long "%#c" form
  std::string fileSize;      // "%.1f %s" with KB, MB or GB (decimal units)
  std::string location;      // the full path with each "/" written as " / " (so it wraps)

  static NoteProperties of(const NoteEntry& entry, const std::string& folderName,
                           const StringTable& strings = StringTable::active());

  // Size text: above 1,000,000,000 bytes in GB, above 1,000,000 in MB, otherwise in KB.
  static std::string fileSizeText(std::uint64_t bytes,
                                  const StringTable& strings = StringTable::active());
  static std::string locationText(const std::string& path);
};

}  // namespace qp
