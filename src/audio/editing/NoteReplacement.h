#pragma once

#include <string>

namespace qp {

// Puts an edited note's new file in the old file's place. The new file takes the old file's
// permission bits, owner and access and modification times, reaches the disk, and is then
// renamed over the old path in one step, so that either the old or the new note is there at
// every moment; the folder is then synced so that the rename survives a power cut. Both paths
// must be on one file system (the same folder).
struct NoteReplacement {
  // Whether the user may change the note at path: a regular file that the permission checks
  // let us write. A note with no write permission bit at all counts as read-only for the
  // superuser too, who would pass every access check.
  static bool mayChange(const std::string& path);
  // True when the new file now stands at oldPath. When the new file cannot take the old one's
  // owner, group and mode (a note of another user) or anything else fails, the old note is
  // left as it was and the new file is removed.
  static bool replace(const std::string& newPath, const std::string& oldPath);
  // Removes a file this program wrote (a discarded recording or copy), but only when it is a
  // regular file: a device or anything else named by the path is never removed.
  static bool removeWritten(const std::string& path);
};

}  // namespace qp
