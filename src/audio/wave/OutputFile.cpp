#include "audio/wave/OutputFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace qp {
namespace {

// Writes all of count bytes at offset unless the kernel refuses some; returns how many it took.
std::size_t writeAt(int fd, std::uint64_t offset, const void* data, std::size_t count) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::pwrite(fd, bytes + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  return done;
}

}  // namespace

DiskOutputFile::~DiskOutputFile() {
  close();
}

bool DiskOutputFile::create(const std::string& path) {
  close();
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  end_ = 0;
  return fd_ >= 0;
}

std::size_t DiskOutputFile::append(const void* data, std::size_t count) {
  if (fd_ < 0) {
    return 0;
  }
  const std::size_t taken = writeAt(fd_, end_, data, count);
  end_ += taken;
  return taken;
}

bool DiskOutputFile::overwrite(std::uint64_t offset, const void* data, std::size_t count) {
  return fd_ >= 0 && offset + count <= end_ && writeAt(fd_, offset, data, count) == count;
}

bool DiskOutputFile::truncate(std::uint64_t size) {
  if (fd_ < 0 || size > end_ || ::ftruncate(fd_, static_cast<off_t>(size)) != 0) {
    return false;
  }
  end_ = size;
  return true;
}

bool DiskOutputFile::flush(bool durable) {
  if (fd_ < 0) {
    return false;
  }
  if (!durable) {
    return true;
  }
  const bool earlier = finishBackgroundSync();
  return ::fdatasync(fd_) == 0 && earlier;
}

bool DiskOutputFile::syncInBackground() {
  if (fd_ < 0) {
    return false;
  }
  if (!sync_) {
    const int fd = fd_;  // the thread ends before the descriptor is closed
    sync_ = std::make_unique<BackgroundSync>([fd] { return ::fdatasync(fd) == 0; });
  }
  return sync_->request();
}

bool DiskOutputFile::finishBackgroundSync() {
  if (!sync_) {
    return true;
  }
  const bool ok = sync_->finish();
  sync_.reset();
  return ok;
}

bool DiskOutputFile::close() {
  if (fd_ < 0) {
    return true;
  }
  const bool synced = finishBackgroundSync();
  const bool ok = ::close(fd_) == 0;
  fd_ = -1;
  return ok && synced;
}

}  // namespace qp
