#include "cli/LibrarySession.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "cli/CliMessages.h"
#include "cli/CliVerb.h"
#include "common/TimeFormat.h"
#include "library/NotesDirectory.h"

namespace qp::cli {
namespace fs = std::filesystem;
namespace {

std::string normalized(const std::string& path) {
  std::error_code ec;
  std::string out = fs::absolute(path, ec).lexically_normal().string();
  while (out.size() > 1 && out.back() == '/') {
    out.pop_back();
  }
  return out;
}

const StringTable& userStrings() {
  TimeFormat::useUserLocale();
  return StringTable::active();
}

}  // namespace

LibrarySession::LibrarySession()
    : strings_(userStrings()),
      notesDirectory_(normalized(NotesDirectory::resolve(settings_, strings_, programDirectory()))),
      folders_(settings_, strings_) {
  reloadFolders();
}

std::string LibrarySession::programDirectory() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

void LibrarySession::reloadFolders() {
  folders_.setRoot(notesDirectory_);
  folders_.selectByName(settings_.readText("DefFolder", ""));
}

std::string LibrarySession::currentFolderName() {
  const FolderEntry* current = folders_.current();
  return current ? current->name : std::string();
}

bool LibrarySession::hasFolder(const std::string& name) const {
  return folders_.indexOf(name) < folders_.size();
}

std::string LibrarySession::folderPath(const std::string& name) const {
  return notesDirectory_ + "/" + name;
}

std::unique_ptr<NoteList> LibrarySession::notesOf(const std::string& folderName) {
  auto list = std::make_unique<NoteList>(settings_, strings_, clock_);
  list->load(folderPath(folderName));
  return list;
}

const NoteEntry* LibrarySession::findNote(const std::string& path, std::string& folderName,
                                          std::unique_ptr<NoteList>& list) {
  const std::string full = normalized(path);
  const std::string prefix = notesDirectory_ + "/";
  if (full.compare(0, prefix.size(), prefix) != 0) {
    return nullptr;
  }
  const std::string rest = full.substr(prefix.size());
  const std::size_t slash = rest.find('/');
  if (slash == std::string::npos) {
    return nullptr;
  }
  folderName = rest.substr(0, slash);
  if (!hasFolder(folderName)) {
    return nullptr;
  }
  list = notesOf(folderName);
  return list->findByPath(full);
}

int LibrarySession::refuse(int messageId, long value, const std::string& about) const {
  return fileError(about, StringTable::format(terminalMessage(messageId).text, value));
}

}  // namespace qp::cli
