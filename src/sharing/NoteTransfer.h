#pragma once

#include <string>
#include <vector>

#include "common/SettingsStore.h"
#include "export/CExportFormats.h"
#include "library/NoteList.h"

namespace qp {

// The data a note carries when dragged out of the notes list: its file and two MIME forms of
// it. The drag allows copy, move and link; after a move the target owns the file, so the note
// only leaves the list (no file is erased) and the list is rebuilt.
struct DragData {
  std::string file;              // the file handed over
  std::string uriList;           // text/uri-list: "file://..." CRLF
  std::string gnomeCopiedFiles;  // x-special/gnome-copied-files: "copy\nfile://..."
};

// The drag side of the notes list: the file a drag hands over (the note, or its companion made
// ahead of time in the DragFormat setting), making and deleting companions. Conversions block
// the caller. Not thread-safe.
class NoteTransfer {
 public:
  // formats may be null (no conversion component). Both must outlive the object.
  NoteTransfer(const SettingsStore& settings, CExportFormats* formats);

  // DragFormat (0 wave, 1 WMA, 3 MP3); missing means 0.
  std::int32_t dragFormat() const;

  // When DragFormat is not 0, converts the note at index into its companion (the note's path
  // without ".wav" plus the format's extension) and records it in the list. True when made.
  bool makeCompanion(NoteList& list, std::size_t index);

  // The file a drag of the note at index hands over: the wave file when DragFormat is 0;
  // otherwise the existing companion, else a companion made now (recorded in the list), else
  // the wave file when that conversion fails. Empty when there is no note at index.
  std::string dragFile(NoteList& list, std::size_t index);

  // The data offered for one file.
  static DragData dragData(const std::string& file);
  // "file://" URI of an absolute path, with every byte outside the unreserved set and "/"
  // percent-encoded.
  static std::string fileUri(const std::string& path);

  // After the wave file at notePath changed (edited, or replaced by an imported file): deletes
  // the note's companion, whatever its format, and makes it anew when DragFormat is not 0, so
  // that no drag hands over the old sound. Returns the new companion's path; empty when the
  // note now has none.
  std::string renewCompanion(const std::string& notePath);
  // The companion file of the note at notePath (found as the notes list finds it); empty
  // when it has none.
  static std::string companionOf(const std::string& notePath);

  // Deletes the companion of every note of every folder (DragFormat changed). list is reused
  // to load each folder.
  static void deleteCompanions(NoteList& list, const std::vector<std::string>& folderPaths);

 private:
  const SettingsStore& settings_;
  CExportFormats* formats_;
};

}  // namespace qp
