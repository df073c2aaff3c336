#pragma once

#include <memory>
#include <string>

#include "skins/SkinExports.h"

namespace qp {

// One skin package loaded into the program. Its entry points (missing ones null) and the
// records they hand out stay valid until the object is destroyed, which unloads the package.
class SkinModule {
 public:
  virtual ~SkinModule() = default;
  virtual const SkinExports& exports() const = 0;
};

// Loads skin packages from files. The platform layer implements it over the system's dynamic
// loader; loading runs the package's code, so only packages the user chose or installed are
// given to it.
class SkinModuleLoader {
 public:
  virtual ~SkinModuleLoader() = default;
  // The package at path with every entry point it has, or null when the file cannot be loaded
  // at all; then error says why (one line).
  virtual std::unique_ptr<SkinModule> load(const std::string& path, std::string& error) = 0;
};

}  // namespace qp
