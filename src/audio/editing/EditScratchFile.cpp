#include "audio/editing/EditScratchFile.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <filesystem>

namespace qp {
namespace {

constexpr std::string_view kPrefix = ".quillophone-edit-";
constexpr std::string_view kSuffix = ".tmp";

bool allDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The "<process id>-<number>" between prefix and suffix; 0 when the name is not ours.
pid_t processOf(std::string_view name) {
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) {
    return 0;
  }
  const std::string_view middle =
      name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  const std::size_t dash = middle.find('-');
  if (dash == std::string_view::npos || !allDigits(middle.substr(0, dash)) ||
      !allDigits(middle.substr(dash + 1))) {
    return 0;
  }
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(middle.data(), middle.data() + dash, pid);
  return error == std::errc() && end == middle.data() + dash && pid > 0 ? pid : 0;
}

}  // namespace

std::string EditScratchFile::newPath(const std::string& folder) {
  static std::atomic<unsigned> counter{0};
  const std::string stem = std::string(kPrefix) + std::to_string(::getpid()) + "-";
  for (;;) {
    const std::filesystem::path path =
        std::filesystem::path(folder) /
        (stem + std::to_string(counter.fetch_add(1)) + std::string(kSuffix));
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
      return path.string();
    }
  }
}

bool EditScratchFile::isScratchName(std::string_view name) {
  return processOf(name) != 0;
}

bool EditScratchFile::isStale(std::string_view name) {
  const pid_t pid = processOf(name);
  // kill with signal 0 only asks whether the process exists; EPERM means it does.
  return pid != 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace qp
