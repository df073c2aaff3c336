#pragma once

#include "common/Trash.h"

namespace qp {

// The freedesktop.org trash of the user ($XDG_DATA_HOME/Trash, or the volume's own trash
// directory), through Qt. Available when the user has a data directory to hold it.
class FreedesktopTrash final : public Trash {
 public:
  bool available() const override;
  bool moveToTrash(const std::string& path) override;
};

}  // namespace qp
