// quillophone-cli notes [FOLDER]: one line per note of the folder (default: the current one)
// in the folder's order:
// displayName<TAB>plainName<TAB>path<TAB>size<TAB>alarmState<TAB>companionPath
// (alarmState "-" without an alarm, companionPath "-" without a companion).
#include <cstdio>

#include "alarms/AlarmState.h"
#include "cli/CliArgs.h"
#include "cli/CliMessages.h"
#include "cli/CliVerb.h"
#include "cli/LibrarySession.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage = "notes [FOLDER]";

int runNotes(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {})) {
    return usageError(parsed.error(), kUsage);
  }
  if (parsed.positional().size() > 1) {
    return usageError("notes takes at most one folder", kUsage);
  }
  LibrarySession session;
  const std::string folder =
      parsed.positional().empty() ? session.currentFolderName() : parsed.positional()[0];
  if (folder.empty() || !session.hasFolder(folder)) {
    return noSuchFolder(folder);
  }
  const auto notes = session.notesOf(folder);
  for (const NoteEntry& note : notes->entries()) {
    std::printf("%s\t%s\t%s\t%u\t%s\t%s\n", note.displayName.c_str(), note.plainName.c_str(),
                note.path.c_str(), unsigned{note.size},
                note.alarm ? alarmStateName(note.alarm->state) : "-",
                note.companionPath.empty() ? "-" : note.companionPath.c_str());
  }
  return kExitOk;
}

const CliVerbRegistration kNotes({"notes", kUsage, &runNotes});

const CliHelpRegistration kNotesHelp(
    "notes",
    R"(Prints one line per note of the folder (default: the current folder), in the folder's sort
order, with tab-separated fields: display name, plain name, path, size in bytes, alarm state
(- without an alarm) and companion file (the note in the drag format beside it; - without
one). Notes of sub-directories of the folder belong to it.
)");

}  // namespace
}  // namespace qp::cli
