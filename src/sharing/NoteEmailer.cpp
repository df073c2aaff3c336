#include "sharing/NoteEmailer.h"

#include <filesystem>

#include "common/StringIds.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

std::string withoutExtension(const std::string& fileName) {
  const std::size_t dot = fileName.rfind('.');
  return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

}  // namespace

NoteEmailer::NoteEmailer(const SettingsStore& settings, const StringTable& strings,
                         CExportFormats* formats, MailComposer& composer)
    : settings_(settings), strings_(strings), formats_(formats), composer_(composer) {}

std::int32_t NoteEmailer::emailFormat() const {
  const std::int32_t stored = settings_.readNumber("EmailFormat", -1);
  if (stored != -1) {
    return stored;
  }
  ExportFormat entry;
  return formats_ && formats_->first(entry) ? entry.formatId : 0;
}

MailMessage NoteEmailer::emptyMessage() const {
  MailMessage message;
  message.subject = strings_.text(StringId::kEmailSubject);
  message.body = "\n\n\n" + strings_.text(StringId::kEmailBody);
  return message;
}

MailAttachment NoteEmailer::attach(const NoteEntry& note, std::int32_t format,
                                   const std::string& folder, std::vector<std::string>& copies) {
  if (format != 0 && formats_) {
    // Notes of sub-directories may share a file name: each gets its own copy.
    std::string destination = folder + "/" + withoutExtension(note.fileName());
    for (int n = 2; usedBases_.count(destination) != 0; ++n) {
      destination = folder + "/" + withoutExtension(note.fileName()) + "~" + std::to_string(n);
    }
    usedBases_.insert(destination);
    const bool converted = formats_->convert(format, note.path, destination);
    std::error_code ec;
    if (!converted) {
      fs::remove(destination, ec);  // whatever a failed conversion left
    }
    copies.push_back(destination);
    if (converted && fs::exists(destination, ec)) {
      const std::string file = fs::path(destination).filename().string();
      const std::size_t dot = file.rfind('.');
      return {destination, note.plainName + (dot == std::string::npos ? "" : file.substr(dot))};
    }
  }
  return {note.path, note.plainName + ".wav"};
}

NoteEmailer::Outcome NoteEmailer::emailSelected(const std::vector<const NoteEntry*>& notes,
                                                const std::string& attachmentFolder) {
  if (notes.empty() || !composer_.available()) {
    return Outcome::Nothing;
  }
  std::error_code ec;
  fs::create_directories(attachmentFolder, ec);
  const std::int32_t format = emailFormat();
  MailMessage message = emptyMessage();
  std::vector<std::string> copies;
  usedBases_.clear();
  for (const NoteEntry* note : notes) {
    message.attachments.push_back(attach(*note, format, attachmentFolder, copies));
  }
  const MailComposer::Result result = composer_.send(message);
  if (result != MailComposer::Result::Failed) {
    return Outcome::Sent;  // the copies now belong to the mail program
  }
  for (const std::string& path : copies) {
    fs::remove(path, ec);
  }
  return Outcome::Failed;
}

}  // namespace qp
