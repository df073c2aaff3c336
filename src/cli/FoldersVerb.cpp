// quillophone-cli folders: one line per folder in list order:
// name<TAB>promptForAlarms<TAB>sortOrder<TAB>current (1 for the current folder, DefFolder).
#include <cstdio>

#include "cli/CliArgs.h"
#include "cli/CliVerb.h"
#include "cli/LibrarySession.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage = "folders";

int runFolders(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {})) {
    return usageError(parsed.error(), kUsage);
  }
  if (!parsed.positional().empty()) {
    return usageError("folders takes no arguments", kUsage);
  }
  LibrarySession session;
  FolderList& folders = session.folders();
  for (std::size_t i = 0; i < folders.size(); ++i) {
    const FolderEntry& folder = *folders.getAt(i);
    std::printf("%s\t%u\t%u\t%d\n", folder.name.c_str(), unsigned{folder.promptForAlarms},
                unsigned{folder.sortOrder}, i == folders.currentIndex() ? 1 : 0);
  }
  return kExitOk;
}

const CliVerbRegistration kFolders({"folders", kUsage, &runFolders});

const CliHelpRegistration kFoldersHelp(
    "folders",
    R"(Prints one line per folder with tab-separated fields: name, prompt-for-alarms (0 or 1),
sort order (0 oldest first, 1 newest first, 2 alphabetical, 3 alarm date) and 1 for the
current folder (the one record, import and notes use by default), else 0. A first run makes
the default folders.
)");

}  // namespace
}  // namespace qp::cli
