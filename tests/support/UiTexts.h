#pragma once

#include <string>

#include "common/StringTable.h"

namespace qp::test {

// The text the program shows for a string id (common/StringIds.h), in the process's language.
inline std::string uiText(int id) {
  return StringTable::active().text(id);
}

}  // namespace qp::test
