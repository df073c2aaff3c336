#pragma once

#include <string>
#include <vector>

#include "common/StringIds.h"
#include "common/StringTable.h"
#include "export/CExportFormats.h"
#include "library/NoteList.h"

namespace qp {

// Files dropped on a folder (or named to `import`) become notes of that folder: wave files that
// open as notes are copied, WMA files converted to wave files, both keeping the source's
// modification time.
// Conversions block the caller. Not thread-safe.
class DropImporter {
 public:
  static constexpr int kReplaceQuestion = StringId::kReplaceNoteQuestion;

  // Asks whether a note of the same name may be replaced (string kReplaceQuestion with the
  // name filled in); true for Yes.
  class ReplacePrompt {
   public:
    virtual ~ReplacePrompt() = default;
    virtual bool confirmReplace(const std::string& message) = 0;
  };

  struct Result {
    std::vector<std::string> imported;  // the new notes, in drop order
    bool stoppedInOwnFolder = false;    // a file already in the folder ended the drop
  };

  // formats may be null (then WMA files are skipped). All must outlive the object.
  DropImporter(const StringTable& strings, CExportFormats* formats, ReplacePrompt& prompt);

  // files in drop order. folderDirectory: the current folder's directory; list: its notes (for
  // deleting a replaced note's companion), may be null. busy: a recording or playback is
  // running, which skips every file.
  Result dropFiles(const std::vector<std::string>& files, const std::string& folderDirectory,
                   NoteList* list, bool busy);

 private:
  enum class Step { Imported, Skipped, StopDrop };
  Step importOne(const std::string& dropped, const std::string& folderDirectory, NoteList* list,
                 std::string& imported);

  const StringTable& strings_;
  CExportFormats* formats_;
  ReplacePrompt& prompt_;
};

}  // namespace qp
