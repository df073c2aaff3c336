// quillophone-cli email NOTE...: the notes attached to a new message in the desktop's mail
// program, converted to the EmailFormat setting, as the e-mail command does. Without xdg-email
// nothing happens; when the mail program refuses the message, string 79 and exit status 1.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "cli/CliArgs.h"
#include "cli/CliVerb.h"
#include "cli/LibrarySession.h"
#include "cli/PlatformServices.h"
#include "platform/ExportLibraries.h"
#include "platform/XdgEmailComposer.h"
#include "sharing/NoteEmailer.h"

namespace qp::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage = "email NOTE...";

// A private directory for the converted copies, removed with whatever is left in it.
std::string makeTempDirectory() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/quillophone-XXXXXX";
  return ::mkdtemp(pattern.data()) ? pattern : std::string();
}

int runEmail(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {})) {
    return usageError(parsed.error(), kUsage);
  }
  if (parsed.positional().empty()) {
    return usageError("email takes at least one note", kUsage);
  }
  LibrarySession session;
  std::vector<std::unique_ptr<NoteList>> lists;
  std::vector<const NoteEntry*> notes;
  for (const std::string& path : parsed.positional()) {
    std::string folder;
    lists.emplace_back();
    const NoteEntry* note = session.findNote(path, folder, lists.back());
    if (!note) {
      return userError("Not a note of the notes folders: " + path);
    }
    notes.push_back(note);
  }
  XdgEmailComposer composer(processLauncher());
  const auto formats = makeExportFormats(session.strings());
  NoteEmailer emailer(session.settings(), session.strings(), formats.get(), composer);
  const std::string temp = makeTempDirectory();
  if (temp.empty()) {
    return userError("No temporary directory for the attachments.");
  }
  const NoteEmailer::Outcome outcome = emailer.emailSelected(notes, temp);
  std::error_code ec;
  fs::remove_all(temp, ec);
  if (outcome == NoteEmailer::Outcome::Failed) {
    return session.refuse(NoteEmailer::kFailedMessage);
  }
  return kExitOk;
}

const CliVerbRegistration kEmail({"email", kUsage, &runEmail});

}  // namespace
}  // namespace qp::cli
