#pragma once

#include <cstdint>

#include "common/StringIds.h"

namespace qp {

// How a folder orders its notes; stored as the second field of the folder's options. Stored
// values above 2 all mean AlarmDate.
enum class SortOrder : std::uint32_t {
  OldestFirst = 0,   // ascending last-write time
  NewestFirst = 1,   // descending last-write time
  Alphabetical = 2,  // ascending display name, locale collation, case ignored
  AlarmDate = 3,     // ascending next alarm time; notes without an alarm last
};

// The order a stored value means (0, 1, 2 as they are; anything else AlarmDate).
inline SortOrder sortOrderOf(std::uint32_t stored) {
  return stored <= 2 ? static_cast<SortOrder>(stored) : SortOrder::AlarmDate;
}

// String id of the order's label: "Oldest First" 142, "Newest First" 143, "Alphabetical" 139,
// "Alarm Date" 145.
inline int sortOrderLabelId(SortOrder order) {
  switch (order) {
    case SortOrder::OldestFirst:
      return StringId::kOldestFirst;
    case SortOrder::NewestFirst:
      return StringId::kNewestFirst;
    case SortOrder::Alphabetical:
      return StringId::kAlphabetical;
    case SortOrder::AlarmDate:
      break;
  }
  return StringId::kAlarmDate;
}

}  // namespace qp
