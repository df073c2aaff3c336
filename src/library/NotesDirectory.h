#pragma once

#include <string>

#include "common/SettingsStore.h"
#include "common/StringTable.h"

namespace qp {

// Where the notes live, and the folders made for a new notes directory.
//
// Resolution, first that applies:
// 1. The environment variable QUILLOPHONE_NOTES_DIR (tests, scripts): that directory, created
//    if missing; the default folders are made when it holds no folder yet. NotesPath is
//    neither read nor written.
// 2. The setting NotesPath, when it names an existing directory (no default folders).
// 3. <Documents>/Quillophone, where <Documents> is the user's documents directory (below).
// 4. <program directory>/Quillophone.
// After 3 or 4 the path is written to NotesPath and the default folders are created: for
// string ids 3 to 10 a text longer than 2 bytes names a sub-directory; the text of 3 is
// written to DefFolder. Failures to create directories are ignored.
//
// The documents directory is read the way the desktop's user-dirs tool records it, without
// any toolkit: $XDG_DOCUMENTS_DIR, else the XDG_DOCUMENTS_DIR line of
// $XDG_CONFIG_HOME/user-dirs.dirs (~/.config/user-dirs.dirs), else $HOME/Documents.
struct NotesDirectory {
  static constexpr const char* kOverrideVariable = "QUILLOPHONE_NOTES_DIR";

  // programDirectory: the directory of the running program (the last fallback).
  static std::string resolve(SettingsStore& settings, const StringTable& strings,
                             const std::string& programDirectory);

  // The user's documents directory; empty when there is no home directory either.
  static std::string documentsDirectory();

  // Creates the default folders under notesDirectory and writes DefFolder.
  static void createDefaultFolders(const std::string& notesDirectory, SettingsStore& settings,
                                   const StringTable& strings);
};

}  // namespace qp
