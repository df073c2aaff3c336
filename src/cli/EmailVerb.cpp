// quillophone-cli email NOTE...: the notes attached to a new message in the desktop's mail
// program, converted to the EmailFormat setting, as the e-mail command does. The attachments
// wait in the attachment cache, since the mail program reads them after xdg-email has
// returned. Without xdg-email, or when the mail program refuses the message, a message and
// exit status 1.
#include <cstdio>
#include <filesystem>
#include <memory>

#include "cli/CliArgs.h"
#include "cli/CliMessages.h"
#include "cli/CliVerb.h"
#include "cli/LibrarySession.h"
#include "cli/PlatformServices.h"
#include "platform/ExportLibraries.h"
#include "platform/XdgEmailComposer.h"
#include "sharing/AttachmentCache.h"
#include "sharing/NoteEmailer.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage = "email NOTE...";

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
      return fileError(path, "not a note of the notes folders (see quillophone-cli notes)");
    }
    notes.push_back(note);
  }
  AttachmentCache cache(AttachmentCache::userRoot());
  XdgEmailComposer composer(processLauncher(), cache);
  if (!composer.available()) {
    return userError(
        "no mail program could be started: xdg-email (from xdg-utils) is not on "
        "PATH");
  }
  const std::string folder = cache.newMessageFolder();
  if (folder.empty()) {
    return fileError(cache.root(), "no folder for the attachments could be made here");
  }
  const auto formats = makeExportFormats(session.strings());
  NoteEmailer emailer(session.settings(), session.strings(), formats.get(), composer);
  const NoteEmailer::Outcome outcome = emailer.emailSelected(notes, folder);
  std::error_code ec;
  std::filesystem::remove(folder, ec);  // only when no attachment needed it
  if (outcome == NoteEmailer::Outcome::Failed) {
    return session.refuse(NoteEmailer::kFailedMessage);
  }
  return kExitOk;
}

const CliVerbRegistration kEmail({"email", kUsage, &runEmail});

const CliHelpRegistration kEmailHelp(
    "email", R"(Opens a new message in the desktop's mail program (through xdg-email) with the notes
attached, converted to the EmailFormat setting's format (0 wave, 1 WMA, 3 MP3; unset: the
first available, see quillophone-cli formats). Each NOTE must be a note of the notes
folders. The attachments stay in the attachment cache for a day, so that the mail program
can read them after this command has returned.
)");

}  // namespace
}  // namespace qp::cli
