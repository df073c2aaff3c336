#pragma once

#include <cstdint>
#include <vector>

#include "alarms/AlarmRecord.h"

namespace qp::test {

// The record's bytes as an alarm file holds them, in the vector form the file helpers and
// the buffer comparisons take (header-only: the tests that use it link qp_alarms).
inline std::vector<std::uint8_t> recordBytes(const AlarmRecord& record) {
  const auto bytes = record.toBytes();
  return {bytes.begin(), bytes.end()};
}

}  // namespace qp::test
