#pragma once

#include <string>

#include "audio/recording/RecordingDestination.h"
#include "common/Clock.h"
#include "common/SettingsStore.h"
#include "common/StringTable.h"
#include "library/FolderList.h"
#include "library/NoteEntry.h"

namespace qp {

// How the "Name Note" dialog ended.
struct NameNoteResult {
  bool ok = false;     // closed with OK
  std::string folder;  // the folder chosen in it
  std::string path;    // the note's path afterwards (renamed or moved by the dialog)
};

// The windows the new-note step opens: the "Name Note" dialog (which renames or moves the
// note itself), the alarm prompt and the drag companion maker. UI thread only.
class NewNoteUi {
 public:
  virtual ~NewNoteUi() = default;
  virtual NameNoteResult askForName(const NoteEntry& note, const std::string& currentFolder) = 0;
  virtual void promptForAlarm(NoteEntry& /*note*/) {}
  virtual void makeCompanion(NoteEntry& /*note*/) {}
};

// Files a finished recording as a new note: the file is moved into the current folder (the
// folder named by "DefFolder" when that is set, or the folder given to setFolder) under
// NewNoteName of its modification time, then the name dialog ("AskForName"), the alarm prompt
// (the folder's promptForAlarms) and the companion ("DragFormat") follow. UI thread only.
class NewNoteFiler final : public RecordingDestination {
 public:
  // All must outlive the filer.
  NewNoteFiler(SettingsStore& settings, const StringTable& strings, const Clock& clock,
               std::string notesDirectory, NewNoteUi& ui);

  // Files into this folder instead of the one "DefFolder" names (empty: back to DefFolder).
  void setFolder(std::string name) { folder_ = std::move(name); }
  // The folder that was current after the last file(); the window shows its notes.
  const std::string& currentFolder() const { return current_; }

  std::string file(const std::string& path) override;

 private:
  std::string moveIntoFolder(const std::string& path, const FolderEntry& folder);

  SettingsStore& settings_;
  const StringTable& strings_;
  const Clock& clock_;
  std::string notesDirectory_;
  NewNoteUi& ui_;
  std::string folder_;
  std::string current_;
};

}  // namespace qp
