// quillophone-cli note rename|move|erase|props: the note commands of the main window on notes
// given by path. A refused command prints the program's message on standard error and exits
// with 1.
#include <cstdio>
#include <memory>

#include "cli/CliArgs.h"
#include "cli/CliMessages.h"
#include "cli/CliVerb.h"
#include "cli/LibrarySession.h"
#include "common/StringIds.h"
#include "library/NoteFileSet.h"
#include "library/NoteOperations.h"
#include "library/NoteProperties.h"
#include "platform/FreedesktopTrash.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage =
    "note rename PATH NAME [--folder FOLDER] | note move PATH... --to FOLDER | "
    "note erase PATH... | note props PATH";

// A note of the library found by path, with the list that owns it.
struct FoundNote {
  const NoteEntry* entry = nullptr;
  std::string folder;
  std::unique_ptr<NoteList> list;
};

bool find(LibrarySession& session, const std::string& path, FoundNote& found) {
  found.entry = session.findNote(path, found.folder, found.list);
  if (!found.entry) {
    fileError(path, "not a note of the notes folders (see quillophone-cli notes)");
  }
  return found.entry != nullptr;
}

int runRename(LibrarySession& session, const CliArgs& parsed) {
  const auto& words = parsed.positional();
  FoundNote note;
  if (!find(session, words[1], note)) {
    return kExitUserError;
  }
  const std::string folder = parsed.value("folder").value_or(note.folder);
  if (!session.hasFolder(folder)) {
    return noSuchFolder(folder);
  }
  const auto result = NoteOperations::renameOrMove(session.notesDirectory(), *note.entry,
                                                   note.folder, words[2], folder);
  if (result.messageId) {
    return session.refuse(result.messageId, 0, note.entry->path);
  }
  std::printf("%s\n", result.changed ? result.newPath.c_str() : note.entry->path.c_str());
  return kExitOk;
}

int runMove(LibrarySession& session, const CliArgs& parsed) {
  const auto folder = parsed.value("to");
  if (!folder || !session.hasFolder(*folder)) {
    return noSuchFolder(folder.value_or(""));
  }
  const auto& words = parsed.positional();
  std::vector<FoundNote> notes(words.size() - 1);
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (!find(session, words[i], notes[i - 1])) {
      return kExitUserError;
    }
  }
  int status = kExitOk;
  for (const FoundNote& note : notes) {
    const auto result = NoteOperations::moveNotes(session.notesDirectory(), {note.entry}, *folder);
    if (result.moved == 0) {
      status = session.refuse(StringId::kNoteNotMoved, 0, note.entry->path);
    } else {
      std::printf("%s/%s/%s\n", session.notesDirectory().c_str(), folder->c_str(),
                  note.entry->fileName().c_str());
    }
  }
  return status;
}

int runErase(LibrarySession& session, const CliArgs& parsed) {
  const auto& words = parsed.positional();
  std::vector<FoundNote> notes(words.size() - 1);
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (!find(session, words[i], notes[i - 1])) {
      return kExitUserError;
    }
  }
  FreedesktopTrash trash;
  int status = kExitOk;
  for (auto it = notes.rbegin(); it != notes.rend(); ++it) {  // last to first
    if (!NoteFileSet::erase(*it->entry, trash)) {
      status = fileError(it->entry->path, "the note could not be erased");
    }
  }
  return status;
}

int runProps(LibrarySession& session, const CliArgs& parsed) {
  FoundNote note;
  if (!find(session, parsed.positional()[1], note)) {
    return kExitUserError;
  }
  const NoteProperties p = NoteProperties::of(*note.entry, note.folder);
  std::printf(
      "Name: %s\nFolder: %s\nQuality: %s\nLength: %s\nLast modified: %s\nFile size: %s\n"
      "Location: %s\n",
      p.name.c_str(), p.folder.c_str(), p.quality.c_str(), p.length.c_str(), p.lastModified.c_str(),
      p.fileSize.c_str(), p.location.c_str());
  return kExitOk;
}

bool wellFormed(const CliArgs& parsed) {
  const auto& words = parsed.positional();
  if (words.empty()) {
    return false;
  }
  const std::string& command = words[0];
  const bool folder = parsed.value("folder").has_value();
  const bool to = parsed.value("to").has_value();
  if (command == "rename") {
    return words.size() == 3 && !words[2].empty() && !to;
  }
  if (command == "move") {
    return words.size() >= 2 && to && !folder;
  }
  if (command == "erase") {
    return words.size() >= 2 && !to && !folder;
  }
  return command == "props" && words.size() == 2 && !to && !folder;
}

int runNote(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {"folder", "to"})) {
    return usageError(parsed.error(), kUsage);
  }
  if (!wellFormed(parsed)) {
    return usageError("bad note command", kUsage);
  }
  LibrarySession session;
  const std::string& command = parsed.positional()[0];
  if (command == "rename") {
    return runRename(session, parsed);
  }
  if (command == "move") {
    return runMove(session, parsed);
  }
  if (command == "erase") {
    return runErase(session, parsed);
  }
  return runProps(session, parsed);
}

const CliVerbRegistration kNote({"note", kUsage, &runNote});

const CliHelpRegistration kNoteHelp(
    "note", R"(The note commands of the window, on notes of the notes folders given by path (see
quillophone-cli notes). A note's alarm and companion files go with it.

  rename PATH NAME         renames the note (and moves it to --folder FOLDER when given);
                           prints the new path
  move PATH... --to FOLDER moves the notes into the folder; prints each new path
  erase PATH...            sends the notes to the trash (deleted outright where there is no
                           trash)
  props PATH               prints the note's properties: name, folder, quality, length, last
                           modified, file size and location
)");

}  // namespace
}  // namespace qp::cli
