#include "audio/editing/NoteReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "common/DiagnosticTrace.h"

namespace qp {
namespace {

// Gives the new file the old one's status and waits until its bytes are on the disk.
bool takeStatus(const std::string& newPath, const struct stat& old) {
  const int fd = ::open(newPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return false;
  }
  bool ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  // Changing the owner needs privileges; a note of another owner keeps ours.
  static_cast<void>(::fchown(fd, old.st_uid, old.st_gid));
  const struct timespec times[2] = {old.st_atim, old.st_mtim};
  ok = ::futimens(fd, times) == 0 && ok;
  ok = ::fsync(fd) == 0 && ok;
  ::close(fd);
  return ok;
}

}  // namespace

bool NoteReplacement::replace(const std::string& newPath, const std::string& oldPath) {
  struct stat old {};
  bool ok = ::stat(oldPath.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  ok = ok && takeStatus(newPath, old);
  ok = ok && std::rename(newPath.c_str(), oldPath.c_str()) == 0;
  if (!ok) {
    diagnosticTrace("edited note could not replace " + oldPath + "; the note is unchanged");
    removeWritten(newPath);
  }
  return ok;
}

bool NoteReplacement::removeWritten(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
         std::remove(path.c_str()) == 0;
}

}  // namespace qp
