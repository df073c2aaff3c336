// quillophone-cli folder new|rename|delete|options: the folder commands of the main window.
// A refused command prints the program's message on standard error and exits with 1.
#include <cstdio>
#include <optional>

#include "cli/CliArgs.h"
#include "cli/CliVerb.h"
#include "cli/LibrarySession.h"
#include "library/FolderOperations.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage =
    "folder new NAME [--prompt-alarms 0|1] [--sort 0-3] | folder rename OLD NEW | "
    "folder delete NAME | folder options NAME [--prompt-alarms 0|1] [--sort 0-3]";

int noFolder(const std::string& name) {
  return userError("There is no folder named \"" + name + "\".");
}

// The options given on the command line over base.
bool readOptions(CliArgs& parsed, FolderOptions& options) {
  std::optional<long> prompt;
  std::optional<long> sort;
  if (!parsed.intValue("prompt-alarms", 0, 1, prompt) || !parsed.intValue("sort", 0, 3, sort)) {
    return false;
  }
  if (prompt) {
    options.promptForAlarms = static_cast<std::uint32_t>(*prompt);
  }
  if (sort) {
    options.sortOrder = static_cast<std::uint32_t>(*sort);
  }
  return true;
}

int runNew(LibrarySession& session, CliArgs& parsed) {
  FolderOptions options;
  if (!readOptions(parsed, options)) {
    return usageError(parsed.error(), kUsage);
  }
  const int refused = FolderOperations::newFolder(session.notesDirectory(), parsed.positional()[1],
                                                  options, session.settings());
  return refused ? session.refuse(refused, 25) : kExitOk;
}

int runRename(LibrarySession& session, const std::string& oldName, const std::string& newName) {
  if (!session.hasFolder(oldName)) {
    return noFolder(oldName);
  }
  const bool wasCurrent = session.currentFolderName() == oldName;
  const int refused = FolderOperations::renameFolder(session.notesDirectory(), oldName, newName,
                                                     session.settings(), session.strings());
  if (refused) {
    return session.refuse(refused, 25);
  }
  if (wasCurrent) {
    session.settings().writeText("DefFolder", newName);
  }
  return kExitOk;
}

int runDelete(LibrarySession& session, const std::string& name) {
  if (!session.hasFolder(name)) {
    return noFolder(name);
  }
  const bool wasCurrent = session.currentFolderName() == name;
  FolderOperations::deleteFolder(session.notesDirectory(), name, session.settings());
  session.reloadFolders();
  if (wasCurrent && !session.folders().empty()) {
    session.settings().writeText("DefFolder", session.folders().getAt(0)->name);
  }
  return kExitOk;
}

int runOptions(LibrarySession& session, CliArgs& parsed) {
  const std::string& name = parsed.positional()[1];
  if (!session.hasFolder(name)) {
    return noFolder(name);
  }
  const FolderEntry& entry = *session.folders().getAt(session.folders().indexOf(name));
  FolderOptions options{entry.promptForAlarms, entry.sortOrder};
  if (!parsed.value("prompt-alarms") && !parsed.value("sort")) {
    std::printf("%u\t%u\n", unsigned{options.promptForAlarms}, unsigned{options.sortOrder});
    return kExitOk;
  }
  if (!readOptions(parsed, options)) {
    return usageError(parsed.error(), kUsage);
  }
  if (!FolderOperations::saveOptions(name, options, session.settings())) {
    return userError("The folder options could not be stored.");
  }
  return kExitOk;
}

int runFolder(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {"prompt-alarms", "sort"})) {
    return usageError(parsed.error(), kUsage);
  }
  const auto& words = parsed.positional();
  const std::string command = words.empty() ? "" : words[0];
  const bool hasOptions = parsed.value("prompt-alarms") || parsed.value("sort");
  const bool takesOptions = command == "new" || command == "options";
  const std::size_t wanted = command == "rename" ? 3 : 2;
  if ((command != "new" && command != "rename" && command != "delete" && command != "options") ||
      words.size() != wanted || (hasOptions && !takesOptions)) {
    return usageError("bad folder command", kUsage);
  }
  LibrarySession session;
  if (command == "new") {
    return runNew(session, parsed);
  }
  if (command == "rename") {
    return runRename(session, words[1], words[2]);
  }
  if (command == "delete") {
    return runDelete(session, words[1]);
  }
  return runOptions(session, parsed);
}

const CliVerbRegistration kFolder({"folder", kUsage, &runFolder});

}  // namespace
}  // namespace qp::cli
