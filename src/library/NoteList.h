#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "common/SettingsStore.h"
#include "common/StringTable.h"
#include "common/Trash.h"
#include "library/NoteEntry.h"
#include "library/SortOrder.h"

namespace qp {

// The notes of one folder: every "*.wav" file in the folder's directory and, recursively, in
// its sub-directories, with their alarm and companion files, in the folder's sort order.
// Rebuilt from disk after every change (Load); entries never outlive the list.
//
// Listing reads each directory once and sorts once: O(n log n) in the number of files. Notes
// of equal key keep the order the directories were enumerated in (a directory's own notes
// before those of its sub-directories). Not thread-safe.
class NoteList {
 public:
  // settings: the folder's sort order; strings: the interface language (English shows the
  // dates of automatically named notes as "%d %b %y - %X", others as "%c"); clock: "now" for
  // bringing alarms up to date (which may rewrite alarm files). All must outlive the list.
  NoteList(const SettingsStore& settings, const StringTable& strings, const Clock& clock);

  // When set, notes without an alarm are not kept (the alarm scheduler's list).
  void setAlarmsOnly(bool alarmsOnly) { alarmsOnly_ = alarmsOnly; }
  bool alarmsOnly() const { return alarmsOnly_; }

  // Lists the notes of folderPath; its sort order comes from the options of the folder named
  // by the last path component. Never touches note files (alarm files may be brought up to
  // date). A missing directory gives an empty list.
  void load(const std::string& folderPath);
  // Lists with an explicit order, whatever the options say.
  void load(const std::string& folderPath, SortOrder order);

  // Removes every entry (tail to head), erasing their files when trash is given.
  void clear(Trash* trash = nullptr);

  const std::string& folderPath() const { return folderPath_; }
  SortOrder sortOrder() const { return sortOrder_; }
  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  const std::vector<NoteEntry>& entries() const { return entries_; }
  std::int64_t totalSize() const { return totalSize_; }
  std::uint64_t latestWriteTime() const { return latestWriteTime_; }

  // Null outside the list.
  const NoteEntry* getAt(std::size_t index) const;
  // The entry whose path equals path exactly, searched from the head; null when none.
  const NoteEntry* findByPath(const std::string& path) const;
  // Position of the entry with that path, or size() when none.
  std::size_t indexOf(const std::string& path) const;

  // The cursor: first() returns the head; next()/previous() the entry after/before the one
  // returned last. Null past either end.
  const NoteEntry* first();
  const NoteEntry* next();
  const NoteEntry* previous();

  // Unlinks the entry at index; with trash, erases its files first (NoteFileSet::erase). False
  // for an index past the end. The entry is removed even when erasing failed: the
  // caller rebuilds the list, which shows the note again.
  bool remove(std::size_t index, Trash* trash = nullptr);

  // Records or deletes (file and record) the companion of the entry at index.
  void setCompanion(std::size_t index, const std::string& path);
  void deleteCompanion(std::size_t index);
  // Forgets each companion whose file no longer exists.
  void dropStaleCompanions();

 private:
  void listDirectory(const std::string& directory, std::vector<NoteEntry>& out,
                     std::vector<std::string>& visited);
  void order(std::vector<NoteEntry>& notes) const;

  const SettingsStore& settings_;
  const StringTable& strings_;
  const Clock& clock_;
  bool alarmsOnly_ = false;
  std::string folderPath_;
  SortOrder sortOrder_ = SortOrder::OldestFirst;
  std::vector<NoteEntry> entries_;
  std::uint64_t latestWriteTime_ = 0;
  std::int64_t totalSize_ = 0;
  std::size_t cursor_ = 0;
  bool cursorValid_ = false;
};

}  // namespace qp
