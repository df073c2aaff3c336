#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qp::test {

// A fresh directory under the system's temporary folder, removed with everything in it when
// the object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

std::vector<std::uint8_t> readFileBytes(const std::string& path);
// The file's contents as text; empty when it cannot be read.
std::string readFileText(const std::string& path);
void writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace qp::test
