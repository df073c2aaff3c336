#include "audio/editing/NoteReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "common/DiagnosticTrace.h"

namespace qp {
namespace {

constexpr mode_t kModeBits = 07777;

// Gives the new file the old one's owner, group, mode and times, checks that it has them, and
// waits until its bytes are on the disk.
bool takeStatus(const std::string& newPath, const struct stat& old) {
  const int fd = ::open(newPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return false;
  }
  // The owner first: changing it may clear set-id bits that the mode then restores. Giving a
  // file away needs privileges; the check below catches a refusal.
  static_cast<void>(::fchown(fd, old.st_uid, old.st_gid));
  bool ok = ::fchmod(fd, old.st_mode & kModeBits) == 0;
  const struct timespec times[2] = {old.st_atim, old.st_mtim};
  ok = ::futimens(fd, times) == 0 && ok;
  struct stat now {};
  ok = ::fstat(fd, &now) == 0 && now.st_uid == old.st_uid && now.st_gid == old.st_gid &&
       (now.st_mode & kModeBits) == (old.st_mode & kModeBits) && ok;
  ok = ::fsync(fd) == 0 && ok;
  ::close(fd);
  return ok;
}

// Writes the folder's entries to the disk, so that a rename in it is not lost to a power cut.
bool syncFolderOf(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    return false;
  }
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

bool NoteReplacement::mayChange(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || ::access(path.c_str(), W_OK) != 0) {
    return false;
  }
  return ::geteuid() != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

bool NoteReplacement::replace(const std::string& newPath, const std::string& oldPath) {
  struct stat old {};
  bool ok = ::stat(oldPath.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  ok = ok && takeStatus(newPath, old);
  ok = ok && std::rename(newPath.c_str(), oldPath.c_str()) == 0;
  if (!ok) {
    diagnosticTrace("edited note could not replace " + oldPath + "; the note is unchanged");
    removeWritten(newPath);
    return false;
  }
  if (!syncFolderOf(oldPath)) {
    diagnosticTrace("the folder of " + oldPath + " could not be synced after the edit");
  }
  return true;
}

bool NoteReplacement::removeWritten(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
         std::remove(path.c_str()) == 0;
}

}  // namespace qp
