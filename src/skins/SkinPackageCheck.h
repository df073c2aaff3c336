#pragma once

#include <string>
#include <vector>

#include "skins/SkinModuleLoader.h"

namespace qp {

// Loads a skin package as the program would and checks every record it hands out for each
// view it draws: one line per problem (cannot be loaded, missing export, wrong version, a
// record that fails its check, a bitmap id that cannot be delivered, a required record that is
// missing). Empty when the package is fit for use.
class SkinPackageCheck {
 public:
  // Button indexes checked: the window's buttons and room for a skin's own.
  static constexpr int kMaxButtonIndex = 63;
  static constexpr int kMaxBitmapIndex = 9;
  static constexpr int kMaxTextIndex = 6;

  static std::vector<std::string> problems(SkinModuleLoader& loader, const std::string& path);
  // The same over entry points already loaded (accepted or not).
  static std::vector<std::string> problems(const SkinExports& exports);
};

}  // namespace qp
