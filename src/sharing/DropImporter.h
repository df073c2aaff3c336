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

  // Why a dropped file did not become a note.
  enum class SkipReason {
    Missing,          // nothing at that path (or a dangling link)
    NotWaveOrWma,     // a folder, or a file without a .wav or .wma extension
    KeptExisting,     // the user kept the note of the same name
    NotConverted,     // the copy or the WMA conversion failed
    NotANote,         // a .wav file that does not read as a note
    NoWmaConversion,  // this system cannot convert WMA files
    InOwnFolder,      // already in the folder: the drop ends here
    AfterStop,        // dropped after a file of the folder itself
    Busy,             // a recording or playback was running
  };
  struct Skipped {
    std::string file;  // as dropped
    SkipReason reason;
  };

  struct Result {
    std::vector<std::string> imported;  // the new notes, in drop order
    std::vector<Skipped> skipped;       // every other file, in drop order
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
  // The new note's path, or why there is none.
  struct Outcome {
    std::string imported;
    SkipReason reason = SkipReason::Missing;
  };
  Outcome importOne(const std::string& dropped, const std::string& folderDirectory, NoteList* list);

  const StringTable& strings_;
  CExportFormats* formats_;
  ReplacePrompt& prompt_;
};

}  // namespace qp
