// quillophone-cli edit erase NOTE --from F --to F
//                 edit insert NOTE --at F [--to F] --seconds S
//                 edit append NOTE --seconds S
// Edits a note in place as the waveform graph's commands do: erase the stretch from F to F
// (fractions of the note), or record S seconds from the default source and insert them at F
// (replacing the stretch up to --to when given) or append them. The note keeps its name,
// times and permissions; its path is printed.
#include <cstdio>
#include <filesystem>
#include <optional>

#include "audio/editing/NoteEditor.h"
#include "cli/CliArgs.h"
#include "cli/CliAudioUi.h"
#include "cli/CliRecorder.h"
#include "cli/CliVerb.h"
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

int erase(NoteEditor& editor, CliUiServices& ui) {
  switch (editor.eraseSelection(true)) {
    case NoteEditor::EraseResult::Erased:
      return kExitOk;
    case NoteEditor::EraseResult::NotOffered:
      return userError("Only 16-bit notes can be edited.");
    default:
      return ui.messagesShown > 0
                 ? kExitUserError
                 : userError(StringTable::active().text(StringId::kCannotOpenNote));
  }
}

int record(const std::string& command, SettingsStore& settings, CliUiServices& ui,
           CliAudioWindow& window, NoteEditor& editor, const EditOptions& options) {
  KeepInPlace filer;
  CliRecording recording{settings, filer, ui, window, options.seconds, &editor};
  std::string filed;
  recording.run(filed, command);
  return ui.messagesShown == 0 && !recording.microphoneLost ? kExitOk : kExitUserError;
}

// Checks the options each command needs; an empty text when they fit.
std::string misuse(const std::string& command, const EditOptions& o) {
  if (command == "erase") {
    return o.from && o.to ? "" : "erase needs --from and --to";
  }
  if (command == "insert") {
    return o.at && o.seconds && !o.from ? "" : "insert needs --at and --seconds";
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
  IniSettingsStore settings;
  CliUiServices ui;
  CliAudioWindow window;
  const std::string note = std::filesystem::absolute(parsed.positional()[1]).string();
  window.notes = {note};
  window.selected = {0};
  window.folderForNewNotes = std::filesystem::path(note).parent_path().string();
  NoteEditor editor(ui, window, settings);
  int code = kExitOk;
  if (command == "erase") {
    window.selection = GraphSelection::range(*options.from, *options.to);
    code = erase(editor, ui);
  } else {
    window.selection = options.to ? GraphSelection::range(*options.at, *options.to)
                                  : GraphSelection::insertionPoint(options.at.value_or(0.0));
    code = record(command, settings, ui, window, editor, options);
  }
  if (code == kExitOk) {
    std::printf("%s\n", note.c_str());
  }
  return code;
}

const CliVerbRegistration kEdit({"edit", kUsage, &runEdit});

}  // namespace
}  // namespace qp::cli
