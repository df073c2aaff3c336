#include "library/DirectoryScan.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>

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

// Maximum over ranges of a fixed array in O(1) per query after O(n log n) preparation.
class RangeMax {
 public:
  explicit RangeMax(std::vector<long> values) {
    levels_.push_back(std::move(values));
    for (std::size_t width = 2; width <= levels_[0].size(); width *= 2) {
      const auto& prev = levels_.back();
      std::vector<long> level(levels_[0].size() - width + 1);
      for (std::size_t i = 0; i < level.size(); ++i) {
        level[i] = std::max(prev[i], prev[i + width / 2]);
      }
      levels_.push_back(std::move(level));
    }
  }
  // Maximum of [begin, end); -1 for an empty range.
  long query(std::size_t begin, std::size_t end) const {
    if (begin >= end) {
      return -1;
    }
    std::size_t k = 0;
    while ((std::size_t{2} << k) <= end - begin) {
      ++k;
    }
    return std::max(levels_[k][begin], levels_[k][end - (std::size_t{1} << k)]);
  }

 private:
  std::vector<std::vector<long>> levels_;
};

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
  // Positions of the listing sorted by name bytes; a name prefix is a contiguous range.
  std::vector<std::size_t> sorted(items.size());
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    sorted[i] = i;
  }
  std::sort(sorted.begin(), sorted.end(),
            [&](std::size_t a, std::size_t b) { return items[a].name < items[b].name; });
  std::vector<long> candidate(sorted.size());
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    const Item& item = items[sorted[i]];
    const bool sideFile = !item.isDirectory && !endsWithIgnoringCase(item.name, "alm", 3) &&
                          !endsWithIgnoringCase(item.name, "wav", 3);
    candidate[i] = sideFile ? static_cast<long>(sorted[i]) : -1;
  }
  const RangeMax lastEnumerated(std::move(candidate));
  auto lowerBound = [&](const std::string& key) {
    return static_cast<std::size_t>(
        std::lower_bound(sorted.begin(), sorted.end(), key,
                         [&](std::size_t a, const std::string& k) { return items[a].name < k; }) -
        sorted.begin());
  };
  for (Note& note : notes_) {
    const std::string base = note.name.substr(0, note.name.size() - 3);  // ends with '.'
    const std::string alarmName = base + "alm";
    const std::size_t alarmAt = lowerBound(alarmName);
    note.hasAlarmFile = alarmAt < sorted.size() && items[sorted[alarmAt]].name == alarmName &&
                        !items[sorted[alarmAt]].isDirectory;
    // Names beginning with base: from base up to base with its final '.' raised to '/', a
    // character no file name holds.
    const std::string end = base.substr(0, base.size() - 1) + '/';
    const long companion = lastEnumerated.query(lowerBound(base), lowerBound(end));
    if (companion >= 0) {
      note.companionName = items[static_cast<std::size_t>(companion)].name;
    }
  }
}

}  // namespace qp
