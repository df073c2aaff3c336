#pragma once

#include <cstdint>

#include "audio/wave/OutputFile.h"

namespace qp::test {

// A real file on disk that refuses appends once a number of bytes has been taken, the way a
// full disk does: the append that crosses the limit is cut short.
class FailingOutputFile final : public OutputFile {
 public:
  explicit FailingOutputFile(std::uint64_t failAfterBytes) : limit_(failAfterBytes) {}
  bool create(const std::string& path) override { return file_.create(path); }
  std::size_t append(const void* data, std::size_t count) override;
  bool overwrite(std::uint64_t offset, const void* data, std::size_t count) override {
    return file_.overwrite(offset, data, count);
  }
  bool truncate(std::uint64_t size) override;
  bool flush(bool durable) override { return file_.flush(durable); }
  bool close() override { return file_.close(); }

 private:
  DiskOutputFile file_;
  std::uint64_t limit_;
  std::uint64_t taken_ = 0;
};

}  // namespace qp::test
