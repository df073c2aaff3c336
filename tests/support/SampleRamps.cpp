#include "support/SampleRamps.h"

#include <algorithm>
#include <cstddef>

namespace qp::test {

std::vector<std::int16_t> ramp(std::size_t count, int offset) {
  std::vector<std::int16_t> s(count);
  for (std::size_t i = 0; i < count; ++i) {
    s[i] = static_cast<std::int16_t>(static_cast<int>(i % 20000) + offset);
  }
  return s;
}

std::vector<std::int16_t> quietRamp(std::size_t count) {
  std::vector<std::int16_t> s(count);
  for (std::size_t i = 0; i < count; ++i) {
    s[i] = static_cast<std::int16_t>(1 + i % 4000);
  }
  return s;
}

std::vector<std::int16_t> slice(const std::vector<std::int16_t>& samples, std::size_t from,
                                std::size_t to) {
  return {samples.begin() + static_cast<std::ptrdiff_t>(from),
          samples.begin() + static_cast<std::ptrdiff_t>(std::min(to, samples.size()))};
}

std::vector<std::int16_t> join(std::initializer_list<std::vector<std::int16_t>> parts) {
  std::vector<std::int16_t> all;
  for (const auto& p : parts) {
    all.insert(all.end(), p.begin(), p.end());
  }
  return all;
}

}  // namespace qp::test
