#include "support/NoteTree.h"

#include <chrono>

namespace qp::test {

void writeFileAt(const std::filesystem::path& path, std::size_t bytes, std::int64_t unixSeconds) {
  std::filesystem::create_directories(path.parent_path());
  writeFileBytes(path.string(), std::vector<std::uint8_t>(bytes, 0x11));
  const auto sys = std::chrono::system_clock::time_point(std::chrono::seconds(unixSeconds));
  std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(sys));
}

std::vector<std::string> enumerationOrder(const std::filesystem::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

}  // namespace qp::test
