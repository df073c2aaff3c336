#pragma once

#include <memory>
#include <string>

#include "common/Clock.h"
#include "common/StringTable.h"
#include "library/FolderList.h"
#include "library/NoteList.h"
#include "platform/IniSettingsStore.h"

namespace qp::cli {

// What the library verbs share: the user's settings file, the interface language, the notes
// directory (resolved as at start-up, so a first run creates the default folders) and its
// folder list with the current folder (DefFolder) selected. The C library's time, collation
// and character-type locale are the user's.
class LibrarySession {
 public:
  LibrarySession();

  SettingsStore& settings() { return settings_; }
  const StringTable& strings() const { return strings_; }
  const Clock& clock() const { return clock_; }
  const std::string& notesDirectory() const { return notesDirectory_; }
  FolderList& folders() { return folders_; }

  // Rescans the folders and selects DefFolder (the first folder when it is missing).
  void reloadFolders();
  // The current folder's name; empty when there is no folder.
  std::string currentFolderName();
  bool hasFolder(const std::string& name) const;
  std::string folderPath(const std::string& name) const;

  // A note list of the named folder, in its sort order.
  std::unique_ptr<NoteList> notesOf(const std::string& folderName);

  // The note at path (absolute or relative), looked up in the list of the folder that holds
  // it. folderName receives that folder; list keeps the list alive for the entry. Null when the
  // path is not a note of a folder of the notes directory.
  const NoteEntry* findNote(const std::string& path, std::string& folderName,
                            std::unique_ptr<NoteList>& list);

  // The program's message by string id (value fills its "%i"), in the terminal's wording, as
  // an error line about about (a file or folderLabel; empty: nothing named); returns the
  // "refused" exit status.
  int refuse(int messageId, long value = 0, const std::string& about = {}) const;

  static std::string programDirectory();

 private:
  IniSettingsStore settings_;
  const StringTable& strings_;
  SystemClock clock_;
  std::string notesDirectory_;
  FolderList folders_;
};

}  // namespace qp::cli
