// quillophone-cli record [OUT.wav] [--seconds S] [--folder NAME] [--name NAME]
//   [--quality 0|1|2] [--no-silkvoice]
// Records through the recording controller until S seconds, Enter or Ctrl-C. Without OUT.wav
// the recording becomes a new note filed into the folder (default DefFolder) as the program
// files a recording, --name standing for the name dialog; the note's final path is printed.
// With OUT.wav the sound is written to that file as it is, without noise reduction or
// silence check, and its length is printed.
#include <cstdio>
#include <optional>

#include "cli/CliArgs.h"
#include "cli/CliAudioUi.h"
#include "cli/CliMessages.h"
#include "cli/CliRecorder.h"
#include "cli/CliVerb.h"
#include "cli/CompanionRenewal.h"
#include "cli/LibrarySession.h"
#include "cli/OverlaySettings.h"
#include "common/MemorySettingsStore.h"
#include "common/StringIds.h"
#include "common/StringTable.h"
#include "library/NewNoteFiler.h"
#include "library/NoteOperations.h"
#include "platform/ExportLibraries.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage =
    "record OUT.wav [--seconds S] [--quality 0|1|2] | record [--seconds S] [--folder NAME] "
    "[--name NAME] [--quality 0|1|2] [--no-silkvoice]";

struct RecordOptions {
  std::optional<double> seconds;
  std::optional<long> quality;
};

// The name dialog answered by --name (nothing given: the dialog is cancelled); the drag
// companion made with the system's converters when "DragFormat" asks for one.
class CliNewNoteUi final : public NewNoteUi {
 public:
  CliNewNoteUi(std::string notesDirectory, std::optional<std::string> name,
               const SettingsStore& settings, const StringTable& strings)
      : notesDirectory_(std::move(notesDirectory)),
        name_(std::move(name)),
        settings_(settings),
        strings_(strings) {}
  NameNoteResult askForName(const NoteEntry& note, const std::string& currentFolder) override {
    if (!name_) {
      return {};
    }
    const auto renamed =
        NoteOperations::renameOrMove(notesDirectory_, note, currentFolder, *name_, currentFolder);
    if (renamed.messageId != 0) {
      refused = renamed.messageId;
      return {};
    }
    return {true, currentFolder, renamed.changed ? renamed.newPath : note.path};
  }
  // The folder asks for an alarm for each new note: the terminal learns how to set one once
  // the note's final path is known.
  void promptForAlarm(NoteEntry& /*note*/) override { alarmPrompted = true; }
  void makeCompanion(NoteEntry& note) override {
    if (!note.path.ends_with(".wav")) {
      return;
    }
    const auto formats = makeExportFormats(strings_);
    std::string target = note.path.substr(0, note.path.size() - 4);  // without ".wav"
    if (formats && formats->convert(settings_.readNumber("DragFormat", 0), note.path, target)) {
      note.companionPath = target;
    }
  }
  int refused = 0;
  bool alarmPrompted = false;

 private:
  std::string notesDirectory_;
  std::optional<std::string> name_;
  const SettingsStore& settings_;
  const StringTable& strings_;
};

void applyOptions(OverlaySettings& settings, const RecordOptions& options, bool silkvoice) {
  if (options.quality) {
    settings.setNumber("Quality", static_cast<std::int32_t>(*options.quality));
  }
  if (!silkvoice) {
    settings.setNumber("Silkvoice", 0);
  }
}

constexpr const char* kTooShort =
    "the recording was too short (half a second or less); nothing was kept";

int recordToFile(const std::string& path, const RecordOptions& options) {
  MemorySettingsStore settings;
  settings.writeNumber("Quality", static_cast<std::int32_t>(options.quality.value_or(2)));
  settings.writeNumber("Silkvoice", 0);
  settings.writeNumber("CheckForSilence", 0);
  CliUiServices ui;
  ui.replacements[StringTable::active().text(StringId::kCannotOpenNote)] =
      "Unable to create the note file.";
  ui.subject = [path] { return path; };
  CliAudioWindow window;
  window.fixedNewPath = path;
  KeepInPlace filer;
  CliRecording recording{settings, filer, ui, window, options.seconds};
  std::string filed;
  if (!recording.run(filed)) {
    return kExitUserError;
  }
  WaveFileReader reader;
  if (!reader.open(path)) {
    return ui.messagesShown == 0 ? fileError(path, kTooShort) : kExitUserError;
  }
  const double seconds = reader.dataSize() / (reader.format().nAvgBytesPerSec * 1.0);
  renewExistingCompanion(path);
  std::printf("%s: %.1f seconds\n", path.c_str(), seconds);
  return ui.messagesShown == 0 && !recording.microphoneLost ? kExitOk : kExitUserError;
}

// The path quoted for a shell: 'it'\''s' for "it's".
std::string shellQuoted(const std::string& path) {
  std::string quoted = "'";
  for (char c : path) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

// Says on the terminal what the alarm prompt of the folder would ask in the window.
void adviseAlarm(const std::string& folder, const std::string& note) {
  std::fprintf(stderr,
               "Folder \"%s\" asks for an alarm for each new note; set one with:\n"
               "  quillophone-cli alarm set %s --at HH:MM\n",
               folder.c_str(), shellQuoted(note).c_str());
}

int recordNote(const CliArgs& parsed, const RecordOptions& options) {
  LibrarySession session;
  const std::string folder = parsed.value("folder").value_or(session.currentFolderName());
  if (folder.empty() || !session.hasFolder(folder)) {
    return noSuchFolder(folder);
  }
  OverlaySettings settings(session.settings());
  applyOptions(settings, options, !parsed.has("no-silkvoice"));
  const std::optional<std::string> name = parsed.value("name");
  settings.setNumber("AskForName", name ? 1 : 0);
  CliNewNoteUi newNoteUi(session.notesDirectory(), name, settings, session.strings());
  NewNoteFiler filer(settings, session.strings(), session.clock(), session.notesDirectory(),
                     newNoteUi);
  filer.setFolder(folder);
  CliUiServices ui;
  CliAudioWindow window;
  window.folderForNewNotes = session.folderPath(folder);
  ui.subject = [&window] { return window.folderForNewNotes; };
  CliRecording recording{settings, filer, ui, window, options.seconds};
  std::string filed;
  if (!recording.run(filed)) {
    return kExitUserError;
  }
  if (newNoteUi.refused != 0) {
    session.refuse(newNoteUi.refused, 0, filed);
  }
  if (filed.empty()) {
    return ui.messagesShown == 0 ? fileError(folderLabel(folder), kTooShort) : kExitUserError;
  }
  std::printf("%s\n", filed.c_str());
  std::fflush(stdout);
  if (newNoteUi.alarmPrompted) {
    adviseAlarm(filer.currentFolder(), filed);
  }
  return ui.messagesShown == 0 && newNoteUi.refused == 0 && !recording.microphoneLost
             ? kExitOk
             : kExitUserError;
}

int runRecord(const std::vector<std::string>& args) {
  CliArgs parsed;
  RecordOptions options;
  if (!parsed.parse(args, {"seconds", "quality", "folder", "name"}, {"no-silkvoice"}) ||
      !parsed.doubleValue("seconds", 0.001, 1e7, options.seconds) ||
      !parsed.intValue("quality", 0, 2, options.quality)) {
    return usageError(parsed.error(), kUsage);
  }
  if (parsed.positional().size() > 1) {
    return usageError("record takes at most one output file", kUsage);
  }
  if (parsed.positional().size() == 1) {
    if (parsed.value("folder") || parsed.value("name")) {
      return usageError("--folder and --name file a new note; not with OUT.wav", kUsage);
    }
    return recordToFile(parsed.positional()[0], options);
  }
  return recordNote(parsed, options);
}

const CliVerbRegistration kRecord({"record", kUsage, &runRecord});

const CliHelpRegistration kRecordHelp(
    "record",
    R"(Records from the default microphone until S seconds have passed, Enter is pressed or
Ctrl-C. A recording of half a second or less is not kept (exit status 1).

  record [options]       files the recording as a new note, as the record button does:
                         Silkvoice noise reduction, a silent microphone stops it after 10
                         seconds; prints the new note's path
  record OUT.wav         writes the microphone as it is into OUT.wav (no noise reduction, no
                         silence check); prints "OUT.wav: N.N seconds"
  --seconds S            length in seconds (default: until Enter or Ctrl-C)
  --quality 0|1|2        sample rate preset: 0 low (8000 Hz), 1 medium (11025 Hz), 2 high
                         (22050 Hz); default: the Quality setting (new notes), 2 (OUT.wav)
  --folder NAME          the folder for the new note (default: the current folder; see
                         quillophone-cli folders)
  --name NAME            the new note's name (default: its time-stamped name)
  --no-silkvoice         records without the Silkvoice noise reduction

A folder that prompts for alarms (folder options NAME --prompt-alarms 1) says so on standard
error after the path, with the alarm set command to use.
)");

}  // namespace
}  // namespace qp::cli
