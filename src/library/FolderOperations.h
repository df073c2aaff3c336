#pragma once

#include <filesystem>
#include <string>

#include "common/SettingsStore.h"
#include "common/StringTable.h"
#include "library/FolderOptions.h"

namespace qp {

// The folder commands behind the New Folder, Rename Folder, Delete Folder and folder options
// dialogs. Each returns 0 on success or the string id of the message that refuses it; a
// refused operation leaves files and settings as they were. The caller rebuilds its
// FolderList afterwards and selects the folder by name.
struct FolderOperations {
  // 40 forbidden character, 41 longer than 25 bytes (the dialog's typing check catches these
  // first), 42 empty name, 43 something of that name exists (names compared without regard to
  // case, as the folders' settings are), 44 the directory could not be created. On success
  // the folder's options are saved (with the "Alarm Date needs Prompt for Alarms" rule).
  static int newFolder(const std::string& notesDirectory, const std::string& name,
                       const FolderOptions& options, SettingsStore& settings);

  // 40, 41, 42, 43 as above (a change of case only is refused with 43), 45 the directory
  // could not be moved. On success the options move to the new name.
  // strings: the default options of a folder that has none stored.
  static int renameFolder(const std::string& notesDirectory, const std::string& oldName,
                          const std::string& newName, SettingsStore& settings,
                          const StringTable& strings);

  // Deletes the folder's directory with everything in it, permanently (symbolic links are
  // removed, never followed), and its options. Failures are ignored: whatever cannot be
  // deleted stays.
  static void deleteFolder(const std::string& notesDirectory, const std::string& name,
                           SettingsStore& settings);

  // Stores the options of the options dialog (with the dialog's rule applied). False when the
  // settings could not be written.
  static bool saveOptions(const std::string& name, const FolderOptions& options,
                          SettingsStore& settings);

  // 40/41 when the name fails the typing check, 42 when empty, 0 when acceptable.
  static int checkName(const std::string& name);
  // Deletes a file, a link, or a directory with everything in it; failures are ignored.
  static void deleteTree(const std::filesystem::path& path);
  // True when notesDirectory holds an entry whose name equals name without regard to case.
  static bool nameTaken(const std::string& notesDirectory, const std::string& name);
};

}  // namespace qp
