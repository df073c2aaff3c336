#include "library/NoteList.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <cwctype>
#include <filesystem>
#include <system_error>

#include "common/TimeFormat.h"
#include "library/DirectoryScan.h"
#include "library/FolderOptions.h"
#include "library/NameRules.h"
#include "library/NoteAlarms.h"
#include "library/NoteFileSet.h"

namespace qp {
namespace fs = std::filesystem;
namespace {

std::string joinPath(const std::string& directory, const std::string& name) {
  if (!directory.empty() && directory.back() == '/') {
    return directory + name;
  }
  return directory + "/" + name;
}

std::string lastComponent(std::string path) {
  while (path.size() > 1 && path.back() == '/') {
    path.pop_back();
  }
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A key that orders like the locale's collation of the text with case ignored.
std::wstring collationKey(const std::string& text) {
  std::wstring wide;
  std::mbstate_t state{};
  for (std::size_t at = 0; at < text.size();) {
    wchar_t wc = 0;
    const std::size_t used = std::mbrtowc(&wc, text.data() + at, text.size() - at, &state);
    if (used == 0 || used > text.size() - at) {
      wc = static_cast<wchar_t>(static_cast<unsigned char>(text[at]));
      state = std::mbstate_t{};
      ++at;
    } else {
      at += used;
    }
    wide += static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(wc)));
  }
  std::wstring key(wide.size() * 4 + 16, L'\0');
  std::size_t length = std::wcsxfrm(key.data(), wide.c_str(), key.size());
  if (length >= key.size()) {
    key.assign(length + 1, L'\0');
    length = std::wcsxfrm(key.data(), wide.c_str(), key.size());
  }
  key.resize(std::min(length, key.size()));
  return key;
}

}  // namespace

NoteList::NoteList(const SettingsStore& settings, const StringTable& strings, const Clock& clock)
    : settings_(settings), strings_(strings), clock_(clock) {}

void NoteList::load(const std::string& folderPath) {
  const auto stored = FolderOptions::readStored(settings_, lastComponent(folderPath));
  load(folderPath, sortOrderOf(stored ? stored->sortOrder : 0));
}

void NoteList::load(const std::string& folderPath, SortOrder order) {
  entries_.clear();
  latestWriteTime_ = 0;
  totalSize_ = 0;
  cursorValid_ = false;
  folderPath_ = folderPath;
  sortOrder_ = order;
  std::vector<NoteEntry> notes;
  std::vector<std::string> visited;
  listDirectory(folderPath, notes, visited);
  this->order(notes);
  for (const NoteEntry& note : notes) {
    totalSize_ += note.size;
    latestWriteTime_ = std::max(latestWriteTime_, note.writeTime);
  }
  if (order != SortOrder::OldestFirst) {
    latestWriteTime_ = 0;  // kept only while notes are appended oldest first
  }
  entries_ = std::move(notes);
}

void NoteList::listDirectory(const std::string& directory, std::vector<NoteEntry>& out,
                             std::vector<std::string>& visited) {
  // A directory reached twice (through a symbolic link back up the tree) is listed once.
  std::error_code ec;
  const std::string canonical = fs::weakly_canonical(directory, ec).string();
  if (ec || std::find(visited.begin(), visited.end(), canonical) != visited.end()) {
    return;
  }
  visited.push_back(canonical);
  DirectoryScan scan;
  if (!scan.read(directory)) {
    return;
  }
  const bool english = strings_.isEnglish();
  for (const DirectoryScan::Note& found : scan.notes()) {
    NoteEntry entry;
    entry.path = joinPath(directory, found.name);
    if (found.hasAlarmFile) {
      NoteAlarms::load(entry, clock_.now());
    }
    if (alarmsOnly_ && entry.alarmPath.empty()) {
      continue;
    }
    if (!found.companionName.empty()) {
      entry.companionPath = joinPath(directory, found.companionName);
    }
    entry.writeTime = found.writeTime;
    entry.size = found.size > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(found.size);
    if (NameRules::isAutomaticallyNamed(found.name)) {
      const std::int64_t seconds = entry.writeTimeSeconds();
      entry.displayName = TimeFormat::formatLocal(seconds, english ? "%d %b %y - %X" : "%c");
      entry.plainName = NameRules::sanitize(TimeFormat::formatLocal(seconds, "%c"));
    } else {
      entry.displayName = found.name.substr(0, found.name.size() - 4);  // without ".wav"
      entry.plainName = entry.displayName;
    }
    out.push_back(std::move(entry));
  }
  for (const std::string& sub : scan.subdirectories()) {
    listDirectory(joinPath(directory, sub), out, visited);
  }
}

void NoteList::order(std::vector<NoteEntry>& notes) const {
  // Positions are sorted (stable: equal keys keep the enumeration order), then the entries
  // are moved once into place.
  std::vector<std::size_t> positions(notes.size());
  for (std::size_t i = 0; i < notes.size(); ++i) {
    positions[i] = i;
  }
  auto sortBy = [&](auto less) { std::stable_sort(positions.begin(), positions.end(), less); };
  switch (sortOrder_) {
    case SortOrder::OldestFirst:
    case SortOrder::NewestFirst: {
      std::vector<std::uint64_t> times(notes.size());
      for (std::size_t i = 0; i < notes.size(); ++i) {
        times[i] = notes[i].writeTime;
      }
      if (sortOrder_ == SortOrder::OldestFirst) {
        sortBy([&](std::size_t a, std::size_t b) { return times[a] < times[b]; });
      } else {
        sortBy([&](std::size_t a, std::size_t b) { return times[a] > times[b]; });
      }
      break;
    }
    case SortOrder::Alphabetical: {
      std::vector<std::wstring> keys(notes.size());
      for (std::size_t i = 0; i < notes.size(); ++i) {
        keys[i] = collationKey(notes[i].displayName);
      }
      sortBy([&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
      break;
    }
    case SortOrder::AlarmDate: {
      // A note without an alarm has the key 2147483647, after every alarm.
      std::vector<std::int32_t> keys(notes.size());
      for (std::size_t i = 0; i < notes.size(); ++i) {
        keys[i] = notes[i].alarm ? notes[i].alarm->nextTime : INT32_MAX;
      }
      sortBy([&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
      break;
    }
  }
  std::vector<NoteEntry> sorted;
  sorted.reserve(notes.size());
  for (std::size_t at : positions) {
    sorted.push_back(std::move(notes[at]));
  }
  notes = std::move(sorted);
}

void NoteList::clear(Trash* trash) {
  while (!entries_.empty()) {
    remove(entries_.size() - 1, trash);
  }
  latestWriteTime_ = 0;
  totalSize_ = 0;
  cursorValid_ = false;
}

const NoteEntry* NoteList::getAt(std::size_t index) const {
  return index < entries_.size() ? &entries_[index] : nullptr;
}

std::size_t NoteList::indexOf(const std::string& path) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].path == path) {
      return i;
    }
  }
  return entries_.size();
}

const NoteEntry* NoteList::findByPath(const std::string& path) const {
  return getAt(indexOf(path));
}

const NoteEntry* NoteList::first() {
  cursor_ = 0;
  cursorValid_ = !entries_.empty();
  return getAt(0);
}

const NoteEntry* NoteList::next() {
  if (!cursorValid_ || cursor_ + 1 >= entries_.size()) {
    cursorValid_ = false;
    return nullptr;
  }
  return &entries_[++cursor_];
}

const NoteEntry* NoteList::previous() {
  if (!cursorValid_ || cursor_ == 0 || cursor_ > entries_.size()) {
    cursorValid_ = false;
    return nullptr;
  }
  return &entries_[--cursor_];
}

bool NoteList::remove(std::size_t index, Trash* trash) {
  if (index >= entries_.size()) {
    return false;
  }
  if (trash) {
    NoteFileSet::erase(entries_[index], *trash);
  }
  totalSize_ -= entries_[index].size;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
  if (cursorValid_ && cursor_ >= entries_.size()) {
    cursorValid_ = false;
  }
  return true;
}

void NoteList::setCompanion(std::size_t index, const std::string& path) {
  if (index < entries_.size()) {
    entries_[index].companionPath = path;
  }
}

void NoteList::deleteCompanion(std::size_t index) {
  if (index < entries_.size() && !entries_[index].companionPath.empty()) {
    std::error_code ec;
    fs::remove(entries_[index].companionPath, ec);
    entries_[index].companionPath.clear();
  }
}

void NoteList::dropStaleCompanions() {
  for (NoteEntry& entry : entries_) {
    std::error_code ec;
    if (!entry.companionPath.empty() && !fs::exists(entry.companionPath, ec)) {
      entry.companionPath.clear();
    }
  }
}

}  // namespace qp
