// quillophone-cli edit erase NOTE --from F --to F
//                 edit insert NOTE --at F [--to F] --seconds S
//                 edit append NOTE --seconds S
// Edits a note in place as the waveform graph's commands do: erase the stretch from F to F
// (fractions of the note), or record S seconds from the default source and insert them at F
// (replacing the stretch up to --to when given) or append them. The note keeps its name,
// times and permissions; its companion is made anew (or deleted); its path is printed.
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "audio/editing/NoteEditor.h"
#include "cli/CliArgs.h"
#include "cli/CliAudioUi.h"
#include "cli/CliMessages.h"
#include "cli/CliRecorder.h"
#include "cli/CliVerb.h"
#include "cli/CompanionRenewal.h"
#include "common/StringIds.h"
#include "common/StringTable.h"
#include "platform/IniSettingsStore.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage =
    "edit erase NOTE --from F --to F | edit insert NOTE --at F [--to F] --seconds S | "
    "edit append NOTE --seconds S";

struct EditOptions {
  std::optional<double> from;
  std::optional<double> to;
  std::optional<double> at;
  std::optional<double> seconds;
};

bool parseEdit(CliArgs& parsed, const std::vector<std::string>& args, EditOptions& options) {
  return parsed.parse(args, {"from", "to", "at", "seconds"}) &&
         parsed.doubleValue("from", 0.0, 1.0, options.from) &&
         parsed.doubleValue("to", 0.0, 1e6, options.to) &&
         parsed.doubleValue("at", 0.0, 1.0, options.at) &&
         parsed.doubleValue("seconds", 0.001, 1e7, options.seconds);
}

// The file standing at a path. An applied edit renames a new file over the note, so the note
// changed exactly when another file stands there afterwards.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

FileIdentity identityOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? FileIdentity{st.st_dev, st.st_ino} : FileIdentity{};
}

int erase(const std::string& note, NoteEditor& editor, CliUiServices& ui) {
  switch (editor.eraseSelection(true)) {
    case NoteEditor::EraseResult::Erased:
      return kExitOk;
    case NoteEditor::EraseResult::NotOffered:
      return fileError(note, "only 16-bit notes can be edited");
    default:
      return ui.messagesShown > 0
                 ? kExitUserError
                 : fileError(note, terminalMessage(StringId::kCannotOpenNote).text);
  }
}

int record(const std::string& command, SettingsStore& settings, CliUiServices& ui,
           CliAudioWindow& window, NoteEditor& editor, const EditOptions& options) {
  const std::string& note = window.notes.front();
  const FileIdentity before = identityOf(note);
  KeepInPlace filer;
  CliRecording recording{settings, filer, ui, window, options.seconds, &editor};
  std::string filed;
  recording.run(filed, command);
  if (ui.messagesShown > 0 || recording.microphoneLost) {
    return kExitUserError;
  }
  if (identityOf(note) == before) {
    return fileError(note,
                     "the recording was too short (half a second or less); the note was "
                     "not changed");
  }
  return kExitOk;
}

// The end of a stretch as the note has it: anything past 1 is the note's end.
double stretchEnd(double to) {
  return std::min(to, 1.0);
}

// Checks the options each command needs; an empty text when they fit.
std::string misuse(const std::string& command, const EditOptions& o) {
  if (command == "erase") {
    if (!o.from || !o.to || o.at) {
      return "erase needs --from and --to";
    }
    return *o.from < stretchEnd(*o.to) ? "" : "--from must lie before --to";
  }
  if (command == "insert") {
    if (!o.at || !o.seconds || o.from) {
      return "insert needs --at and --seconds";
    }
    return !o.to || *o.at <= stretchEnd(*o.to) ? "" : "--at must not lie after --to";
  }
  if (command == "append") {
    return o.seconds && !o.at && !o.from && !o.to ? "" : "append takes --seconds only";
  }
  return "edit erase|insert|append";
}

int runEdit(const std::vector<std::string>& args) {
  CliArgs parsed;
  EditOptions options;
  if (!parseEdit(parsed, args, options)) {
    return usageError(parsed.error(), kUsage);
  }
  if (parsed.positional().size() != 2) {
    return usageError("edit takes a command and one note", kUsage);
  }
  const std::string& command = parsed.positional()[0];
  if (const std::string problem = misuse(command, options); !problem.empty()) {
    return usageError(problem, kUsage);
  }
  const std::string note = std::filesystem::absolute(parsed.positional()[1]).string();
  if (WaveFileReader reader; !reader.open(note)) {
    return readerError(note, reader.lastError());
  }
  IniSettingsStore settings;
  CliUiServices ui;
  // A capture cannot be moved from: every call returns a copy.
  ui.subject = [note] { return note; };  // NOLINT(performance-no-automatic-move)
  CliAudioWindow window;
  window.notes = {note};
  window.selected = {0};
  window.folderForNewNotes = std::filesystem::path(note).parent_path().string();
  NoteEditor editor(ui, window, settings);
  int code = kExitOk;
  if (command == "erase") {
    window.selection = GraphSelection::range(*options.from, *options.to);
    code = erase(note, editor, ui);
  } else {
    window.selection = options.to ? GraphSelection::range(*options.at, *options.to)
                                  : GraphSelection::insertionPoint(options.at.value_or(0.0));
    code = record(command, settings, ui, window, editor, options);
  }
  if (code == kExitOk) {
    renewCompanion(note);
    std::printf("%s\n", note.c_str());
  }
  return code;
}

const CliVerbRegistration kEdit({"edit", kUsage, &runEdit});

const CliHelpRegistration kEditHelp(
    "edit", R"(Changes a note in place; it keeps its name, times and permissions. Positions are
fractions of the note's length: 0 is its start, 1 its end, 0.5 its middle.

  erase NOTE --from F --to F   cuts the stretch from F to F out of the note; --from must lie
                               before --to (a --to past 1 means the note's end)
  insert NOTE --at F           records from the default microphone and puts the recording in
                               at F (above 0: 0 marks no insertion point)
  insert NOTE --at F --to F    replaces the stretch from --at to --to with the recording
  append NOTE                  records and adds the recording at the end
  --seconds S                  length of the recording in seconds (Enter or Ctrl-C stops it
                               sooner); a recording of half a second or less changes nothing

Insert and append need a 16-bit mono note. The note's drag companion (the copy in the
DragFormat setting's format beside it) is made anew, or deleted when there is no drag format.
The note's path is printed when the edit is done.
)");

}  // namespace
}  // namespace qp::cli
