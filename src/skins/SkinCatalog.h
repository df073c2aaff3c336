#pragma once

#include <string>
#include <vector>

#include "common/StringTable.h"
#include "skins/SkinModuleLoader.h"

namespace qp {

// One skin the user can choose.
struct SkinCatalogEntry {
  std::string path;  // empty for the built-in skin
  std::string displayName;
  bool supportsSmallView = false;
};

// The skins available: the built-in one first, then every accepted package ("*.skn") of the
// given directories in order, each directory's files by name. A package that is refused is
// left out with one diagnostic line. Listing loads each package in turn and unloads it again.
class SkinCatalog {
 public:
  SkinCatalog(SkinModuleLoader& loader, const StringTable& strings);  // strings is copied

  std::vector<SkinCatalogEntry> list(const std::vector<std::string>& directories) const;

  // Where packages are looked for, existing directories only, each once: the program's own
  // (the build tree's skin folder when the program runs from the build tree; beside the
  // program; <prefix>/lib/quillophone/skins of an installed program) and the user's
  // ($XDG_DATA_HOME, else ~/.local/share, then /quillophone/skins). Null or empty
  // environment values are not set.
  static std::vector<std::string> directories(const std::string& programDirectory,
                                              const char* xdgDataHome, const char* home);

 private:
  SkinModuleLoader& loader_;
  StringTable strings_;
};

}  // namespace qp
