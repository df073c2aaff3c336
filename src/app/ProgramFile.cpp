#include "app/ProgramFile.h"

#include <filesystem>
#include <system_error>

namespace qp::app {

std::string ProgramFile::path() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("quillophone") : exe.string();
}

std::string ProgramFile::directory() {
  const std::string file = path();
  const std::size_t slash = file.rfind('/');
  return slash == std::string::npos || slash == 0 ? std::string("/") : file.substr(0, slash);
}

}  // namespace qp::app
