#include "sharing/AttachmentCache.h"

#include <cstdlib>
#include <vector>

namespace qp {
namespace {

namespace fs = std::filesystem;

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

std::string AttachmentCache::userRoot() {
  std::string cache = environment("XDG_CACHE_HOME");
  if (cache.empty() || cache.front() != '/') {
    cache = environment("HOME") + "/.cache";
  }
  return cache + "/quillophone/mail";
}

std::size_t AttachmentCache::removeExpired(fs::file_time_type now) {
  std::error_code ec;
  std::vector<fs::path> expired;
  for (const auto& entry : fs::directory_iterator(root_, ec)) {
    std::error_code timeError;
    const auto changed = fs::last_write_time(entry.path(), timeError);
    if (!timeError && changed < now - kKeep) {
      expired.push_back(entry.path());
    }
  }
  std::size_t removed = 0;
  for (const fs::path& path : expired) {
    std::error_code removeError;
    if (fs::remove_all(path, removeError) > 0 && !removeError) {
      ++removed;
    }
  }
  return removed;
}

std::string AttachmentCache::newMessageFolder() {
  std::error_code ec;
  fs::create_directories(root_, ec);
  removeExpired(fs::file_time_type::clock::now());
  const auto stamp = std::chrono::duration_cast<std::chrono::seconds>(
                         fs::file_time_type::clock::now().time_since_epoch())
                         .count();
  // create_directory reports an existing folder as not made: the first free name wins.
  for (int n = 1; n <= 10000; ++n) {
    const fs::path folder = fs::path(root_) / (std::to_string(stamp) + "-" + std::to_string(n));
    if (fs::create_directory(folder, ec)) {
      return folder.string();
    }
    if (ec) {
      return std::string();
    }
  }
  return std::string();
}

}  // namespace qp
