#include "support/FailingOutputFile.h"

#include <algorithm>

namespace qp::test {

std::size_t FailingOutputFile::append(const void* data, std::size_t count) {
  const std::uint64_t room = limit_ > taken_ ? limit_ - taken_ : 0;
  const auto allowed = static_cast<std::size_t>(std::min<std::uint64_t>(count, room));
  const std::size_t written = file_.append(data, allowed);
  taken_ += written;
  return written;
}

bool FailingOutputFile::truncate(std::uint64_t size) {
  if (!file_.truncate(size)) {
    return false;
  }
  taken_ = std::min(taken_, size);
  return true;
}

}  // namespace qp::test
