// quillophone-cli folder new|rename|delete|options: the folder commands of the main window.
// A refused command prints the program's message on standard error and exits with 1. Delete
// asks the window's question on the terminal first, unless --yes answers it.
#include <cstdio>
#include <optional>

#include "cli/CliArgs.h"
#include "cli/CliMessages.h"
#include "cli/CliVerb.h"
#include "cli/LibrarySession.h"
#include "cli/Terminal.h"
#include "common/StringIds.h"
#include "library/FolderOperations.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage =
    "folder new NAME [--prompt-alarms 0|1] [--sort 0-3] | folder rename OLD NEW | "
    "folder delete NAME [--yes] | folder options NAME [--prompt-alarms 0|1] [--sort 0-3]";

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
  const std::string& name = parsed.positional()[1];
  const int refused =
      FolderOperations::newFolder(session.notesDirectory(), name, options, session.settings());
  return refused ? session.refuse(refused, 25, folderLabel(name)) : kExitOk;
}

int runRename(LibrarySession& session, const std::string& oldName, const std::string& newName) {
  if (!session.hasFolder(oldName)) {
    return noSuchFolder(oldName);
  }
  const bool wasCurrent = session.currentFolderName() == oldName;
  const int refused = FolderOperations::renameFolder(session.notesDirectory(), oldName, newName,
                                                     session.settings(), session.strings());
  if (refused) {
    return session.refuse(refused, 25, folderLabel(newName));
  }
  if (wasCurrent) {
    session.settings().writeText("DefFolder", newName);
  }
  return kExitOk;
}

// The window's question before a folder goes for good: asked on the terminal, answered by
// --yes, refused without either.
bool deleteConfirmed(LibrarySession& session, const std::string& name, bool yes) {
  if (yes) {
    return true;
  }
  if (!inputIsTerminal()) {
    fileError(folderLabel(name),
              "not deleted: deleting a folder with its notes asks first, and there is no "
              "terminal to answer; give --yes to delete it without asking");
    return false;
  }
  const std::string question =
      folderLabel(name) + ": " + session.strings().text(StringId::kDeleteFolderQuestion);
  if (!askOnTerminal(question)) {
    fileError(folderLabel(name), "not deleted");
    return false;
  }
  return true;
}

int runDelete(LibrarySession& session, const std::string& name, bool yes) {
  if (!session.hasFolder(name)) {
    return noSuchFolder(name);
  }
  if (!deleteConfirmed(session, name, yes)) {
    return kExitUserError;
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
    return noSuchFolder(name);
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
  if (!parsed.parse(args, {"prompt-alarms", "sort"}, {"yes"})) {
    return usageError(parsed.error(), kUsage);
  }
  const auto& words = parsed.positional();
  const std::string command = words.empty() ? "" : words[0];
  const bool hasOptions = parsed.value("prompt-alarms") || parsed.value("sort");
  const bool takesOptions = command == "new" || command == "options";
  const std::size_t wanted = command == "rename" ? 3 : 2;
  if ((command != "new" && command != "rename" && command != "delete" && command != "options") ||
      words.size() != wanted || (hasOptions && !takesOptions) ||
      (parsed.has("yes") && command != "delete")) {
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
    return runDelete(session, words[1], parsed.has("yes"));
  }
  return runOptions(session, parsed);
}

const CliVerbRegistration kFolder({"folder", kUsage, &runFolder});

const CliHelpRegistration kFolderHelp(
    "folder",
    R"(The folder commands of the window. Folders are the directories of the notes directory
(see quillophone-cli folders for their names); names are compared without regard to case.

  new NAME                a new, empty folder (at most 25 characters, none of \ / : * ? < > | ")
  rename OLD NEW          renames the folder; its notes and options go with it
  delete NAME             deletes the folder and every note in it permanently (no trash);
                          asks first on the terminal
  --yes                   deletes without asking (needed when no terminal can answer)
  options NAME            prints the folder's options: prompt-for-alarms, sort order
  --prompt-alarms 0|1     1: recording into the folder asks for an alarm for the new note
  --sort 0-3              the order of the folder's notes: 0 oldest first, 1 newest first,
                          2 alphabetical, 3 by alarm date (needs --prompt-alarms 1)
)");

}  // namespace
}  // namespace qp::cli
