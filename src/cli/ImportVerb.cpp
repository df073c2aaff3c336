// quillophone-cli import FILE... [--folder NAME] [--yes]: files dropped into a folder (the
// current one by default): wave files copied, WMA files converted, links followed, other files
// ignored; a file already in the folder ends the import. Prints each imported note. The
// question about replacing a note of the same name is asked on the terminal, or answered Yes
// with --yes.
#include <cstdio>
#include <iostream>
#include <string>

#include "cli/CliArgs.h"
#include "cli/CliVerb.h"
#include "cli/LibrarySession.h"
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
    if (always_) {
      return true;
    }
    std::fprintf(stderr, "%s [y/N] ", message.c_str());
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer)) {
      std::fprintf(stderr, "\n");
      return false;
    }
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
  }

 private:
  bool always_;
};

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
    return session.refuse(StringId::kNoFolderChosen);
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
  return kExitOk;
}

const CliVerbRegistration kImport({"import", kUsage, &runImport});

}  // namespace
}  // namespace qp::cli
