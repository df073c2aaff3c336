#include "app/UninstallCleanup.h"

#include <filesystem>
#include <system_error>

#include "app/AutostartEntry.h"
#include "library/FolderList.h"
#include "library/NoteList.h"

namespace qp::app {
namespace fs = std::filesystem;

bool UninstallCleanup::holdsNotes(const std::string& notesDirectory) {
  FolderList folders(settings_, strings_);
  folders.setRoot(notesDirectory);
  NoteList notes(settings_, strings_, clock_);
  for (const FolderEntry& folder : folders.folders()) {
    notes.load(folder.path);
    if (!notes.empty()) {
      return true;
    }
  }
  return false;
}

UninstallCleanup::Result UninstallCleanup::run(const std::string& notesDirectory,
                                               const std::string& settingsFile, bool silent,
                                               const std::function<bool()>& askEraseNotes) {
  Result result;
  result.heldNotes = holdsNotes(notesDirectory);
  const bool erase = !result.heldNotes || (!silent && askEraseNotes && askEraseNotes());
  std::error_code ec;
  if (erase && !notesDirectory.empty()) {
    fs::remove_all(notesDirectory, ec);
    result.notesDeleted = !fs::exists(notesDirectory, ec);
  }
  fs::remove(settingsFile, ec);
  // The maker's folder goes too once nothing else of the maker is left in it.
  const fs::path makerFolder = fs::path(settingsFile).parent_path();
  if (fs::is_empty(makerFolder, ec) && !ec) {
    fs::remove(makerFolder, ec);
  }
  AutostartEntry::remove();
  return result;
}

}  // namespace qp::app
