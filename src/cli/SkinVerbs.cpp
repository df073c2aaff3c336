// quillophone-cli skins | skin check FILE | skin use FILE|default: the skins the window can
// use, a package checked as the program loads it, and the choice of skin (SkinPath).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "cli/CliArgs.h"
#include "cli/CliMessages.h"
#include "cli/CliVerb.h"
#include "cli/LibrarySession.h"
#include "common/StringTable.h"
#include "platform/DlopenSkinModule.h"
#include "platform/IniSettingsStore.h"
#include "skins/SkinCatalog.h"
#include "skins/SkinPackageCheck.h"

namespace qp::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSkinsUsage = "skins";
constexpr const char* kSkinUsage = "skin check FILE | skin use FILE|default";
constexpr const char* kSkinPathSetting = "SkinPath";

// The absolute, symlink-free form of a path, so that the same package is named one way.
std::string normalized(const std::string& path) {
  std::error_code ec;
  const fs::path canonical = fs::weakly_canonical(fs::absolute(path, ec), ec);
  return ec ? path : canonical.string();
}

int runSkins(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {})) {
    return usageError(parsed.error(), kSkinsUsage);
  }
  if (!parsed.positional().empty()) {
    return usageError("skins takes no arguments", kSkinsUsage);
  }
  const IniSettingsStore settings;
  const std::string configured = settings.readText(kSkinPathSetting, "");
  const std::string current = configured.empty() ? configured : normalized(configured);
  DlopenSkinModuleLoader loader;
  const SkinCatalog catalog(loader, StringTable::active());
  const auto directories = SkinCatalog::directories(
      LibrarySession::programDirectory(), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  for (const SkinCatalogEntry& entry : catalog.list(directories)) {
    const bool isCurrent = (entry.path.empty() ? entry.path : normalized(entry.path)) == current;
    std::printf("%s\t%s\t%d\t%d\n", entry.path.c_str(), entry.displayName.c_str(),
                entry.supportsSmallView ? 1 : 0, isCurrent ? 1 : 0);
  }
  return kExitOk;
}

int runCheck(const std::string& file) {
  DlopenSkinModuleLoader loader;
  const std::vector<std::string> problems = SkinPackageCheck::problems(loader, normalized(file));
  for (const std::string& problem : problems) {
    std::printf("%s\n", problem.c_str());
  }
  if (problems.empty()) {
    std::printf("ok\n");
  }
  return problems.empty() ? kExitOk : kExitUserError;
}

int runUse(const std::string& file) {
  IniSettingsStore settings;
  std::string path;
  if (file != "default") {
    path = normalized(file);
    DlopenSkinModuleLoader loader;
    const std::vector<std::string> problems = SkinPackageCheck::problems(loader, path);
    if (!problems.empty()) {
      for (const std::string& problem : problems) {
        fileError(file, problem);
      }
      return fileError(file, "not a usable skin; the skin in use stays");
    }
  }
  if (!settings.writeText(kSkinPathSetting, path)) {
    return fileError("", "the choice of skin could not be stored");
  }
  return kExitOk;
}

int runSkin(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {})) {
    return usageError(parsed.error(), kSkinUsage);
  }
  const std::vector<std::string>& words = parsed.positional();
  if (words.size() != 2 || (words[0] != "check" && words[0] != "use")) {
    return usageError("skin takes check FILE or use FILE|default", kSkinUsage);
  }
  return words[0] == "check" ? runCheck(words[1]) : runUse(words[1]);
}

const CliVerbRegistration kSkins({"skins", kSkinsUsage, &runSkins});
const CliVerbRegistration kSkin({"skin", kSkinUsage, &runSkin});

const CliHelpRegistration kSkinsHelp(
    "skins",
    R"(Prints one line per skin the window can use, tab-separated: the package's path (empty for
the built-in skin), its display name, 1 if it has a small view else 0, and 1 for the skin in
use (the SkinPath setting) else 0. The built-in skin comes first, then the packages (*.skn)
beside the program, in <prefix>/lib/quillophone/skins and in
$XDG_DATA_HOME/quillophone/skins (default ~/.local/share). Packages that are refused are
left out with a line on standard error.
)");

const CliHelpRegistration kSkinHelp(
    "skin",
    R"(  check FILE       loads the package as the window would and checks every record of each
                   view; prints ok, or one line per problem and exits with 1
  use FILE         makes the package the window's skin (refused when check finds a problem)
  use default      goes back to the built-in skin
)");

}  // namespace
}  // namespace qp::cli
