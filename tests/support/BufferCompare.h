#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace qp::test {

// Index of the first element where the two differ (a shorter one differs at its end), or
// nothing when they are equal.
template <typename T>
std::optional<std::size_t> firstDifference(const std::vector<T>& a, const std::vector<T>& b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i] != b[i]) {
      return i;
    }
  }
  if (a.size() != b.size()) {
    return n;
  }
  return std::nullopt;
}

// gtest assertion: EXPECT_TRUE(sameBytes(a, b)) names the first differing index and values.
testing::AssertionResult sameBytes(const std::vector<std::uint8_t>& expected,
                                   const std::vector<std::uint8_t>& actual);
testing::AssertionResult sameSamples(const std::vector<std::int16_t>& expected,
                                     const std::vector<std::int16_t>& actual);

}  // namespace qp::test
