#pragma once

#include <string>
#include <vector>

#include "common/Trash.h"
#include "library/NoteEntry.h"

namespace qp {

// The two file primitives under every note operation: moving a note with its side files, and
// erasing it with them. Neither ever loses the wave file: it is the first file touched, and
// when it cannot be moved or erased nothing else is.
struct NoteFileSet {
  // Moves the wave file to newPath, then the alarm file (to newPath with "alm" for its last
  // three characters) and the companion (newPath less "wav" plus the companion's own last
  // three characters). Fails, changing nothing, when newPath is 261 bytes or longer, when
  // anything exists at newPath, or when the wave file cannot be moved. A side file that cannot
  // be moved stays behind under its old name; that is not a failure.
  static bool move(const NoteEntry& entry, const std::string& newPath);

  // Every file (not directory) in the note's directory whose name begins with the note's base
  // name ("Memo." for Memo.wav): the wave file first, then the others in name order.
  static std::vector<std::string> filesOf(const NoteEntry& entry);

  // Sends the note's files (filesOf) to the trash, or deletes them permanently when the system
  // has no trash. False when the wave file stays (the trash refused it); nothing else is
  // touched then. Side files that stay are not a failure.
  static bool erase(const NoteEntry& entry, Trash& trash);
};

}  // namespace qp
