#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qp {

// One pass over one directory for the note list: its "*.wav" files (name ending ".wav", case
// ignored) in the order the file system enumerates them, each with its side files found among
// the same listing, and its sub-directories in enumeration order. Temporary copies that
// killed edits left behind (EditScratchFile, stale) are removed on the way.
//
// Side files of a note are the files whose names begin with the note's base name (the name
// without its last three characters, "Memo." for "Memo.wav"): the alarm file is base + "alm";
// the companion is the last one enumerated whose name does not end in "alm" or "wav". Found
// through a table of the notes' base names: linear in the length of the listing.
class DirectoryScan {
 public:
  struct Note {
    std::string name;             // file name, without directory
    std::uint64_t writeTime = 0;  // 100-ns units since 1601-01-01 UTC
    std::uint64_t size = 0;
    bool hasAlarmFile = false;
    std::string companionName;  // empty when none
  };

  // False when the directory cannot be listed (then both lists are empty). Files that vanish
  // while being looked at are left out.
  bool read(const std::string& directory);

  const std::vector<Note>& notes() const { return notes_; }
  const std::vector<std::string>& subdirectories() const { return subdirectories_; }

 private:
  struct Item {
    std::string name;
    bool isDirectory = false;
  };
  void findSideFiles(const std::vector<Item>& items);

  std::vector<Note> notes_;
  std::vector<std::string> subdirectories_;
};

}  // namespace qp
