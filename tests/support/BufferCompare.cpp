#include "support/BufferCompare.h"

namespace qp::test {
namespace {

template <typename T>
testing::AssertionResult same(const std::vector<T>& expected, const std::vector<T>& actual) {
  const auto at = firstDifference(expected, actual);
  if (!at) {
    return testing::AssertionSuccess();
  }
  auto result = testing::AssertionFailure();
  result << "first difference at index " << *at << " (sizes " << expected.size() << " and "
         << actual.size() << ")";
  if (*at < expected.size() && *at < actual.size()) {
    result << ": expected " << static_cast<long>(expected[*at]) << ", got "
           << static_cast<long>(actual[*at]);
  }
  return result;
}

}  // namespace

testing::AssertionResult sameBytes(const std::vector<std::uint8_t>& expected,
                                   const std::vector<std::uint8_t>& actual) {
  return same(expected, actual);
}

testing::AssertionResult sameSamples(const std::vector<std::int16_t>& expected,
                                     const std::vector<std::int16_t>& actual) {
  return same(expected, actual);
}

}  // namespace qp::test
