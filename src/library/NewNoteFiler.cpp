#include "library/NewNoteFiler.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>

#include "library/FolderOptions.h"
#include "library/NameRules.h"
#include "library/NoteList.h"

namespace qp {

NewNoteFiler::NewNoteFiler(SettingsStore& settings, const StringTable& strings, const Clock& clock,
                           std::string notesDirectory, NewNoteUi& ui)
    : settings_(settings),
      strings_(strings),
      clock_(clock),
      notesDirectory_(std::move(notesDirectory)),
      ui_(ui) {}

std::string NewNoteFiler::moveIntoFolder(const std::string& path, const FolderEntry& folder) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    return path;
  }
  const std::string name = NameRules::newNoteName(static_cast<std::int64_t>(st.st_mtime));
  std::string target = folder.path + "/" + name + ".wav";
  // Never over another note: a name already taken leaves the file where it is.
  if (target == path || std::filesystem::exists(target) ||
      std::rename(path.c_str(), target.c_str()) != 0) {
    return path;
  }
  return target;
}

std::string NewNoteFiler::file(const std::string& recorded) {
  FolderList folders(settings_, strings_);
  folders.setRoot(notesDirectory_);
  const std::string wanted = folder_.empty() ? settings_.readText("DefFolder", "") : folder_;
  if (!wanted.empty()) {
    folders.selectByName(wanted);
  }
  const FolderEntry* folder = folders.current();
  if (folder == nullptr) {
    return {};
  }
  current_ = folder->name;
  std::string path = moveIntoFolder(recorded, *folder);
  NoteList notes(settings_, strings_, clock_);
  notes.load(folder->path);
  const NoteEntry* found = notes.findByPath(path);
  if (found == nullptr) {
    return path;
  }
  NoteEntry entry = *found;
  if (settings_.readNumber("AskForName", 1) != 0) {
    const NameNoteResult named = ui_.askForName(entry, current_);
    if (named.ok) {
      if (!named.path.empty()) {
        path = named.path;
        entry.path = path;
      }
      if (!NameRules::equalsIgnoringCase(named.folder, current_) &&
          folders.selectByName(named.folder)) {
        current_ = named.folder;
      }
    }
  }
  if (FolderOptions::read(settings_, current_, strings_).promptForAlarms != 0) {
    ui_.promptForAlarm(entry);
  }
  if (settings_.readNumber("DragFormat", 0) != 0) {
    ui_.makeCompanion(entry);
  }
  return path;
}

}  // namespace qp
