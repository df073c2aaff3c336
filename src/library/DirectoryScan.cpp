#include "library/DirectoryScan.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>

namespace qp {
namespace fs = std::filesystem;
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

std::uint64_t fileTimeOf(fs::file_time_type time) {
  const auto sys = std::chrono::file_clock::to_sys(time);
  const auto ticks =
      std::chrono::duration_cast<std::chrono::duration<std::int64_t, std::ratio<1, 10000000>>>(
          sys.time_since_epoch())
          .count();
  const std::int64_t fileTime = ticks + 116444736000000000LL;
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
  std::vector<Item> items;
  std::error_code ec;
  fs::directory_iterator it(directory, ec);
  if (ec) {
    return false;
  }
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) {
      break;
    }
    const fs::directory_entry& entry = *it;
    Item item{entry.path().filename().string(), entry.is_directory(ec)};
    if (item.isDirectory) {
      subdirectories_.push_back(item.name);
    } else if (endsWithIgnoringCase(item.name, ".wav", 4) && entry.is_regular_file(ec)) {
      Note note;
      note.name = item.name;
      note.size = entry.file_size(ec);
      if (!ec) {
        note.writeTime = fileTimeOf(entry.last_write_time(ec));
      }
      if (!ec) {
        notes_.push_back(std::move(note));
      }
    }
    items.push_back(std::move(item));
  }
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
