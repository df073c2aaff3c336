#pragma once

#include <string>
#include <string_view>

namespace qp {

// The name of the temporary copy an edit writes in its note's folder until it replaces the
// note: ".quillophone-edit-<process id>-<number>.tmp". Hidden and never ending in ".wav", so
// no listing takes it for a note. The process id tells a file left by a process that has
// ended (stale: a killed edit) from one that an edit under way is still writing.
struct EditScratchFile {
  // A path in folder (a directory path) at which no file exists yet.
  static std::string newPath(const std::string& folder);
  // Whether a file name (without directory) has the form of our temporary copies.
  static bool isScratchName(std::string_view name);
  // Whether such a name belongs to a process that no longer runs on this machine.
  static bool isStale(std::string_view name);
};

}  // namespace qp
