#include "skins/SkinCatalog.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "common/DiagnosticTrace.h"
#include "skins/BuiltInSkin.h"
#include "skins/Skin.h"
#include "skins/SkinAcceptance.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> packagesIn(const std::string& directory) {
  std::vector<std::string> paths;
  std::error_code ec;
  for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().extension() == ".skn" && it->is_regular_file(ec)) {
      paths.push_back(it->path().string());
    }
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

void addIfDirectory(const fs::path& candidate, std::vector<std::string>& out) {
  std::error_code ec;
  if (!fs::is_directory(candidate, ec)) {
    return;
  }
  const std::string canonical = fs::canonical(candidate, ec).string();
  if (!ec && std::find(out.begin(), out.end(), canonical) == out.end()) {
    out.push_back(canonical);
  }
}

bool isSet(const char* value) {
  return value != nullptr && *value != '\0';
}

}  // namespace

SkinCatalog::SkinCatalog(SkinModuleLoader& loader, const StringTable& strings)
    : loader_(loader), strings_(strings) {}

std::vector<SkinCatalogEntry> SkinCatalog::list(const std::vector<std::string>& directories) const {
  const QpSkinGeneral* builtIn = builtInSkinExports().getGeneral();
  std::vector<SkinCatalogEntry> entries = {
      {"", Skin::displayNameOf(Skin::kBuiltInNameStringId, "", strings_),
       builtIn->supportsSmallView != 0}};
  for (const std::string& directory : directories) {
    for (const std::string& path : packagesIn(directory)) {
      std::string error;
      const std::unique_ptr<SkinModule> module = loader_.load(path, error);
      const std::vector<std::string> problems =
          module ? skinAcceptanceProblems(module->exports()) : std::vector<std::string>{error};
      if (!problems.empty()) {
        diagnosticTrace("skin " + path + ": not listed: " + problems.front());
        continue;
      }
      const QpSkinGeneral* general = module->exports().getGeneral();
      entries.push_back({path, Skin::displayNameOf(general->nameStringId, path, strings_),
                         general->supportsSmallView != 0});
    }
  }
  return entries;
}

std::vector<std::string> SkinCatalog::directories(const std::string& programDirectory,
                                                  const char* xdgDataHome, const char* home) {
  std::vector<std::string> found;
  const fs::path program(programDirectory);
#ifdef QP_BUILD_DIR
  const std::string buildDir = QP_BUILD_DIR;
  if (programDirectory.rfind(buildDir + "/", 0) == 0) {
    addIfDirectory(fs::path(buildDir) / "skins", found);
  }
#endif
  addIfDirectory(program / "skins", found);
  addIfDirectory(program / ".." / "skins", found);
  addIfDirectory(program / ".." / "lib" / "quillophone" / "skins", found);
  if (isSet(xdgDataHome)) {
    addIfDirectory(fs::path(xdgDataHome) / "quillophone" / "skins", found);
  } else if (isSet(home)) {
    addIfDirectory(fs::path(home) / ".local" / "share" / "quillophone" / "skins", found);
  }
  return found;
}

}  // namespace qp
