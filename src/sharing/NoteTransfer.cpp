#include "sharing/NoteTransfer.h"

#include <cstdio>
#include <filesystem>

#include "library/DirectoryScan.h"

namespace qp {
namespace {

std::string withoutWav(const std::string& path) {
  return path.size() >= 4 ? path.substr(0, path.size() - 4) : path;
}

}  // namespace

NoteTransfer::NoteTransfer(const SettingsStore& settings, CExportFormats* formats)
    : settings_(settings), formats_(formats) {}

std::int32_t NoteTransfer::dragFormat() const {
  return settings_.readNumber("DragFormat", 0);
}

bool NoteTransfer::makeCompanion(NoteList& list, std::size_t index) {
  const NoteEntry* entry = list.getAt(index);
  const std::int32_t format = dragFormat();
  if (!entry || format == 0 || !formats_) {
    return false;
  }
  std::string target = withoutWav(entry->path);
  if (!formats_->convert(format, entry->path, target)) {
    return false;
  }
  list.setCompanion(index, target);
  return true;
}

std::string NoteTransfer::dragFile(NoteList& list, std::size_t index) {
  const NoteEntry* entry = list.getAt(index);
  if (!entry) {
    return std::string();
  }
  if (dragFormat() == 0) {
    return entry->path;
  }
  if (!entry->companionPath.empty()) {
    return entry->companionPath;
  }
  return makeCompanion(list, index) ? list.getAt(index)->companionPath : list.getAt(index)->path;
}

std::string NoteTransfer::companionOf(const std::string& notePath) {
  const std::filesystem::path note(notePath);
  DirectoryScan scan;
  if (scan.read(note.parent_path().string())) {
    for (const DirectoryScan::Note& found : scan.notes()) {
      if (found.name == note.filename().string() && !found.companionName.empty()) {
        return (note.parent_path() / found.companionName).string();
      }
    }
  }
  return std::string();
}

std::string NoteTransfer::renewCompanion(const std::string& notePath) {
  if (const std::string old = companionOf(notePath); !old.empty()) {
    std::error_code ec;
    std::filesystem::remove(old, ec);
  }
  std::string target = withoutWav(notePath);
  const std::int32_t format = dragFormat();
  if (format == 0 || !formats_ || !formats_->convert(format, notePath, target)) {
    return std::string();
  }
  return target;
}

std::string NoteTransfer::fileUri(const std::string& path) {
  std::string uri = "file://";
  for (unsigned char c : path) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
    if (plain) {
      uri += static_cast<char>(c);
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      uri += hex;
    }
  }
  return uri;
}

DragData NoteTransfer::dragData(const std::string& file) {
  const std::string uri = fileUri(file);
  return {file, uri + "\r\n", "copy\n" + uri};
}

void NoteTransfer::deleteCompanions(NoteList& list, const std::vector<std::string>& folderPaths) {
  for (const std::string& folder : folderPaths) {
    list.load(folder);
    for (std::size_t i = 0; i < list.size(); ++i) {
      list.deleteCompanion(i);
    }
  }
}

}  // namespace qp
