// quillophone-cli import FILE... [--folder NAME] [--yes]: files dropped into a folder (the
// current one by default): wave files copied, WMA files converted, links followed, other files
// left out; a file already in the folder ends the import. Prints each imported note, and each
// file left out with the reason on standard error; exit status 1 when nothing was imported.
// The question about replacing a note of the same name is asked on the terminal, or answered
// Yes with --yes.
#include <cstdio>
#include <string>

#include "cli/CliArgs.h"
#include "cli/CliMessages.h"
#include "cli/CliVerb.h"
#include "cli/LibrarySession.h"
#include "cli/Terminal.h"
#include "common/StringIds.h"
#include "platform/ExportLibraries.h"
#include "sharing/DropImporter.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage = "import FILE... [--folder NAME] [--yes]";

// Asks on standard error and reads the answer from standard input; end of input means No.
class TerminalPrompt final : public DropImporter::ReplacePrompt {
 public:
  explicit TerminalPrompt(bool always) : always_(always) {}
  bool confirmReplace(const std::string& message) override {
    return always_ || askOnTerminal(message);
  }

 private:
  bool always_;
};

std::string reasonText(DropImporter::SkipReason reason) {
  using Reason = DropImporter::SkipReason;
  switch (reason) {
    case Reason::Missing:
      return "not imported: no such file";
    case Reason::NotWaveOrWma:
      return "not imported: only wave (.wav) and WMA (.wma) files become notes";
    case Reason::KeptExisting:
      return "not imported: the note of the same name was kept";
    case Reason::NotConverted:
      return "not imported: the file could not be copied or converted";
    case Reason::NotANote:
      return "not imported: not a note the program can play (16-bit PCM, mono or stereo)";
    case Reason::NoWmaConversion:
      return "not imported: WMA files cannot be converted on this system (see "
             "quillophone-cli formats)";
    case Reason::InOwnFolder:
      return "is already in the folder; the import stops here";
    case Reason::AfterStop:
      return "not imported: the import stopped at a file of the folder itself";
    case Reason::Busy:
      return "not imported: a recording or playback is running";
  }
  return "not imported";
}

int runImport(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {"folder"}, {"yes"})) {
    return usageError(parsed.error(), kUsage);
  }
  if (parsed.positional().empty()) {
    return usageError("import takes at least one file", kUsage);
  }
  LibrarySession session;
  const std::string folder = parsed.value("folder").value_or(session.currentFolderName());
  if (folder.empty() || !session.hasFolder(folder)) {
    return noSuchFolder(folder);
  }
  const auto formats = makeExportFormats(session.strings());
  TerminalPrompt prompt(parsed.has("yes"));
  DropImporter importer(session.strings(), formats.get(), prompt);
  auto list = session.notesOf(folder);
  const auto result =
      importer.dropFiles(parsed.positional(), session.folderPath(folder), list.get(), false);
  for (const std::string& note : result.imported) {
    std::printf("%s\n", note.c_str());
  }
  std::fflush(stdout);
  for (const auto& skipped : result.skipped) {
    fileError(skipped.file, reasonText(skipped.reason));
  }
  return result.imported.empty() ? kExitUserError : kExitOk;
}

const CliVerbRegistration kImport({"import", kUsage, &runImport});

const CliHelpRegistration kImportHelp(
    "import",
    R"(Brings files into a folder as dropping them on the window does: wave files are copied,
WMA files converted to wave files, both keeping their modification time; links are followed.
Prints each new note's path; every file left out is named on standard error with the
reason. A file that is already in the folder ends the import. Exit status 1 when no file
was imported.

  --folder NAME   the folder to import into (default: the current folder; see
                  quillophone-cli folders)
  --yes           replaces a note of the same name without asking; otherwise the question is
                  asked on the terminal, and no answer (end of input) keeps the note
)");

}  // namespace
}  // namespace qp::cli
