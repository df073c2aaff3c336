#pragma once

#include <string>

namespace qp {

// Where erased notes go: the desktop's trash, from which the user can restore them. The core
// owns this interface; platform/FreedesktopTrash implements it, tests use fakes that refuse.
class Trash {
 public:
  virtual ~Trash() = default;
  // False when the system has no trash at all; erasing then deletes files permanently.
  virtual bool available() const = 0;
  // Moves one file to the trash. False when refused; the file then stays where it was.
  virtual bool moveToTrash(const std::string& path) = 0;
};

}  // namespace qp
