#include "library/DirectoryScan.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string_view>
#include <unordered_map>

#include "audio/editing/EditScratchFile.h"

namespace qp {
namespace {

bool endsWithIgnoringCase(const std::string& name, const char* suffix, std::size_t length) {
  if (name.size() < length) {
    return false;
  }
  for (std::size_t i = 0; i < length; ++i) {
    const char c = name[name.size() - length + i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != suffix[i]) {
      return false;
    }
  }
  return true;
}

// 100-ns units since 1601-01-01 of a time since 1970; 0 for times before 1601.
std::uint64_t fileTimeOf(std::int64_t seconds, long nanoseconds) {
  const std::int64_t fileTime = seconds * 10000000 + nanoseconds / 100 + 116444736000000000LL;
  return fileTime < 0 ? 0 : static_cast<std::uint64_t>(fileTime);
}

// Removes an edit's temporary copy that its process left behind (a killed edit); true when the
// entry was one and is gone. Only a regular file is removed, never what a link points to.
bool removeIfStaleScratch(int directoryFd, const char* name) {
  if (!EditScratchFile::isStale(name)) {
    return false;
  }
  struct stat info {};
  return ::fstatat(directoryFd, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
         ::unlinkat(directoryFd, name, 0) == 0;
}

}  // namespace

bool DirectoryScan::read(const std::string& directory) {
  notes_.clear();
  subdirectories_.clear();
  // POSIX directory calls: one readdir pass, and one fstatat per note relative to the open
  // directory (no path walks, no per-entry allocations beyond the names).
  DIR* dir = ::opendir(directory.c_str());
  if (!dir) {
    return false;
  }
  const int fd = ::dirfd(dir);
  std::vector<Item> items;
  while (const dirent* entry = ::readdir(dir)) {
    const char* name = entry->d_name;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) {
      continue;
    }
    if (removeIfStaleScratch(fd, name)) {
      continue;
    }
    Item item{name, false};
    const bool wave = endsWithIgnoringCase(item.name, ".wav", 4);
    struct stat info {};
    bool haveInfo = false;
    if (entry->d_type == DT_DIR) {
      item.isDirectory = true;
    } else if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK || wave) {
      // Follows links, as a listing of the folder in a file manager does.
      haveInfo = ::fstatat(fd, name, &info, 0) == 0;
      item.isDirectory = haveInfo && S_ISDIR(info.st_mode);
    }
    if (item.isDirectory) {
      subdirectories_.push_back(item.name);
    } else if (wave && haveInfo && S_ISREG(info.st_mode)) {
      Note note;
      note.name = item.name;
      note.size = static_cast<std::uint64_t>(info.st_size);
      note.writeTime = fileTimeOf(info.st_mtim.tv_sec, info.st_mtim.tv_nsec);
      notes_.push_back(std::move(note));
    }
    items.push_back(std::move(item));
  }
  ::closedir(dir);
  findSideFiles(items);
  return true;
}

void DirectoryScan::findSideFiles(const std::vector<Item>& items) {
  if (notes_.empty()) {
    return;
  }
  // Every note by its base name ("Memo." for Memo.wav; bases end with the '.' of ".wav").
  std::unordered_map<std::string_view, std::size_t> byBase;
  byBase.reserve(notes_.size() * 2);
  for (std::size_t i = 0; i < notes_.size(); ++i) {
    byBase.emplace(std::string_view(notes_[i].name).substr(0, notes_[i].name.size() - 3), i);
  }
  // A file belongs to the note whose base is a prefix of its name ending at one of its full
  // stops: looking up each such prefix visits every name once. Items come in enumeration
  // order, so the last companion found is the last one enumerated.
  for (const Item& item : items) {
    if (item.isDirectory) {
      continue;
    }
    const bool alarm = endsWithIgnoringCase(item.name, "alm", 3);
    const bool wave = endsWithIgnoringCase(item.name, "wav", 3);
    const std::string_view name(item.name);
    for (std::size_t dot = name.find('.'); dot != std::string_view::npos;
         dot = name.find('.', dot + 1)) {
      const auto found = byBase.find(name.substr(0, dot + 1));
      if (found == byBase.end()) {
        continue;
      }
      Note& note = notes_[found->second];
      if (alarm && name.size() == dot + 4 && name.substr(dot + 1) == "alm") {
        note.hasAlarmFile = true;
      } else if (!alarm && !wave) {
        note.companionName = item.name;
      }
    }
  }
}

}  // namespace qp
