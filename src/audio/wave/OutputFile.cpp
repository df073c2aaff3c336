#include "audio/wave/OutputFile.h"

#include <unistd.h>

namespace qp {

DiskOutputFile::~DiskOutputFile() {
  close();
}

bool DiskOutputFile::create(const std::string& path) {
  close();
  file_ = std::fopen(path.c_str(), "wb");
  return file_ != nullptr;
}

std::size_t DiskOutputFile::append(const void* data, std::size_t count) {
  if (file_ == nullptr) {
    return 0;
  }
  return std::fwrite(data, 1, count, file_);
}

bool DiskOutputFile::overwrite(std::uint64_t offset, const void* data, std::size_t count) {
  if (file_ == nullptr) {
    return false;
  }
  const long end = std::ftell(file_);
  bool ok = end >= 0 && std::fseek(file_, static_cast<long>(offset), SEEK_SET) == 0;
  ok = ok && std::fwrite(data, 1, count, file_) == count;
  ok = (end >= 0 && std::fseek(file_, end, SEEK_SET) == 0) && ok;
  return ok;
}

bool DiskOutputFile::flush(bool durable) {
  if (file_ == nullptr) {
    return false;
  }
  bool ok = std::fflush(file_) == 0;
  if (durable) {
    ok = ::fdatasync(::fileno(file_)) == 0 && ok;
  }
  return ok;
}

bool DiskOutputFile::close() {
  if (file_ == nullptr) {
    return true;
  }
  const bool ok = std::fclose(file_) == 0;
  file_ = nullptr;
  return ok;
}

}  // namespace qp
