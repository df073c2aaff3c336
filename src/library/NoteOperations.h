#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/StringTable.h"
#include "library/NoteEntry.h"
#include "library/NoteList.h"

namespace qp {

// The note commands behind the "Name Note", "Move Notes" and erase dialogs. Messages are
// string ids (0: success). The caller rebuilds its lists and re-arms the alarms afterwards.
struct NoteOperations {
  struct RenameResult {
    int messageId = 0;     // 47 forbidden character, 130 path too long, 52 move failed
    bool changed = false;  // false: nothing to do (no folder, or name and folder unchanged)
    std::string newPath;
  };

  // "Name Note" confirmed with newName in folder newFolder, for a note shown in currentFolder.
  // The name the dialog showed is the display name less its forbidden characters; when
  // newName still equals it only the folder changes and the note keeps its file name (an
  // automatically named note keeps its "QP_" name). The new path is
  // notesDirectory/newFolder/newName.wav.
  static RenameResult renameOrMove(const std::string& notesDirectory, const NoteEntry& entry,
                                   const std::string& currentFolder, const std::string& newName,
                                   const std::string& newFolder);

  struct MoveResult {
    int messageId = 0;  // 51 when no folder was chosen
    std::size_t moved = 0;
    std::vector<std::string> failed;  // paths of the notes that stayed (string 52 each)
  };
  // "Move Notes": each note, in the order given, to notesDirectory/folder/<its file name>.
  // A failure does not stop the others.
  static MoveResult moveNotes(const std::string& notesDirectory,
                              const std::vector<const NoteEntry*>& notes,
                              const std::string& folder);

  // The confirmation of an erase: string 33 for one note, 34 with the count for several.
  static std::string eraseQuestion(std::size_t count, const StringTable& strings);
  // The check list of the "Erase Note" dialog: " %i.  %s" per note (1-based position and
  // display name), one per line.
  static std::vector<std::string> eraseListLines(const NoteList& notes);
};

}  // namespace qp
