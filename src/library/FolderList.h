#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/SettingsStore.h"
#include "common/StringTable.h"

namespace qp {

// One folder: an immediate sub-directory of the notes directory, with its options.
struct FolderEntry {
  std::string path;  // full path of the directory
  std::string name;  // the directory's name
  std::uint32_t promptForAlarms = 0;
  std::uint32_t sortOrder = 0;  // SortOrder as stored
};

// Every folder of the notes directory, ascending by name (byte-wise, case respected), with a
// current folder and an enumeration cursor. Folders are one level deep: directories inside a
// folder are not folders. Not thread-safe.
class FolderList {
 public:
  // settings: the folders' options; strings: the default of promptForAlarms (the language's
  // name of the alarms folder). Both must outlive the list.
  FolderList(SettingsStore& settings, const StringTable& strings);

  // Stores root, rescans its sub-directories and makes the first folder current.
  void setRoot(const std::string& root);
  void clear();

  const std::string& root() const { return root_; }
  std::size_t size() const { return folders_.size(); }
  bool empty() const { return folders_.empty(); }
  const std::vector<FolderEntry>& folders() const { return folders_; }
  std::size_t currentIndex() const { return current_; }

  // Enumeration in list order; null at the end.
  const FolderEntry* first();
  const FolderEntry* next();
  // Null outside the list.
  const FolderEntry* getAt(std::size_t index) const;
  FolderEntry* getAt(std::size_t index);
  const FolderEntry* current() const { return getAt(current_); }
  // Step current to the previous / following folder (wrapping); returns the new current one.
  const FolderEntry* previous();
  const FolderEntry* following();

  // current = the folder whose name equals name exactly; 0 when there is none. True when found.
  bool selectByName(const std::string& name);
  // Position of the folder named name exactly, or size().
  std::size_t indexOf(const std::string& name) const;

  // Writes or deletes the entry's options ("Folder-" + name).
  bool saveOptions(const FolderEntry& entry);
  bool deleteOptions(const FolderEntry& entry);

 private:
  SettingsStore& settings_;
  const StringTable& strings_;
  std::string root_;
  std::vector<FolderEntry> folders_;
  std::size_t current_ = 0;
  std::size_t cursor_ = 0;
};

}  // namespace qp
