#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "audio/wave/BackgroundSync.h"

namespace qp {

// The byte sink under WaveFileWriter. The default is a buffered file on disk; tests put a
// file that fails after a number of bytes in its place to play out a full disk.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Creates the file, truncating an existing one.
  virtual bool create(const std::string& path) = 0;
  // Appends at the end; returns how many bytes were taken (fewer on failure).
  virtual std::size_t append(const void* data, std::size_t count) = 0;
  // Overwrites bytes that were appended before; the end of the file does not move.
  virtual bool overwrite(std::uint64_t offset, const void* data, std::size_t count) = 0;
  // Cuts the file to size bytes (never more than it holds); appends continue from there.
  virtual bool truncate(std::uint64_t size) = 0;
  // Hands everything written so far to the operating system and, when durable is set,
  // waits until it is on the storage device.
  virtual bool flush(bool durable) = 0;
  // Asks for what was written to reach the storage device without waiting for it; false when
  // an earlier such request is known to have failed. Sinks without a helper thread sync here.
  virtual bool syncInBackground() { return flush(true); }
  virtual bool close() = 0;
};

// OutputFile straight over a file descriptor, without a buffer of its own: a byte counted as
// appended has been accepted by the kernel, so after a refused write the count is exactly what
// the file holds. Files are created with mode 0666 less the umask. Background syncs run on a
// BackgroundSync thread; flush(true) and close() wait for it first, and close() reports a
// failed background sync.
class DiskOutputFile final : public OutputFile {
 public:
  ~DiskOutputFile() override;
  bool create(const std::string& path) override;
  std::size_t append(const void* data, std::size_t count) override;
  bool overwrite(std::uint64_t offset, const void* data, std::size_t count) override;
  bool truncate(std::uint64_t size) override;
  bool flush(bool durable) override;
  bool syncInBackground() override;
  bool close() override;

 private:
  // Waits for the helper thread and ends it; false when one of its syncs failed.
  bool finishBackgroundSync();

  int fd_ = -1;
  std::unique_ptr<BackgroundSync> sync_;
  std::uint64_t end_ = 0;  // bytes in the file: where the next append goes
};

}  // namespace qp
