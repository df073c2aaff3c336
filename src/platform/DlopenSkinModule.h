#pragma once

#include <memory>
#include <string>

#include "skins/SkinModuleLoader.h"

namespace qp {

// Loads skin packages with the system's dynamic loader (dlopen, symbols resolved at once and
// kept local to the package) and looks up every entry point by name; a missing one stays null.
// The package is unloaded when its SkinModule is destroyed. A path without a slash is taken as
// relative to the working directory, never searched in the library path.
class DlopenSkinModuleLoader final : public SkinModuleLoader {
 public:
  std::unique_ptr<SkinModule> load(const std::string& path, std::string& error) override;
};

}  // namespace qp
