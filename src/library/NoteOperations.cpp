#include "library/NoteOperations.h"

#include "common/StringIds.h"
#include "library/NameRules.h"
#include "library/NoteFileSet.h"

namespace qp {
namespace {

std::string withoutForbidden(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (!NameRules::isForbidden(c)) {
      out += c;
    }
  }
  return out;
}

}  // namespace

NoteOperations::RenameResult NoteOperations::renameOrMove(const std::string& notesDirectory,
                                                          const NoteEntry& entry,
                                                          const std::string& currentFolder,
                                                          const std::string& newName,
                                                          const std::string& newFolder) {
  RenameResult result;
  const std::string shownName = withoutForbidden(entry.displayName);
  if (newFolder.empty() || (newName == shownName && newFolder == currentFolder)) {
    return result;
  }
  if (NameRules::hasForbidden(newName) || NameRules::hasForbidden(newFolder)) {
    result.messageId = StringId::kNoteNameForbiddenCharacter;
    return result;
  }
  std::string name = newName;
  if (newName == shownName) {
    const std::string file = entry.fileName();
    name = file.substr(0, file.size() - 4);  // the real name, without ".wav"
  }
  result.newPath = notesDirectory + "/" + newFolder + "/" + name + ".wav";
  if (result.newPath.size() > NameRules::kMaxNotePathLength) {
    result.messageId = StringId::kNameTooLong;
    return result;
  }
  if (!NoteFileSet::move(entry, result.newPath)) {
    result.messageId = StringId::kNoteNotMoved;
    return result;
  }
  result.changed = true;
  return result;
}

NoteOperations::MoveResult NoteOperations::moveNotes(const std::string& notesDirectory,
                                                     const std::vector<const NoteEntry*>& notes,
                                                     const std::string& folder) {
  MoveResult result;
  if (folder.empty() || NameRules::hasForbidden(folder)) {
    result.messageId = StringId::kNoFolderChosen;
    return result;
  }
  for (const NoteEntry* note : notes) {
    std::string newPath = notesDirectory;
    newPath.append("/").append(folder).append("/").append(note->fileName());
    if (NoteFileSet::move(*note, newPath)) {
      ++result.moved;
    } else {
      result.failed.push_back(note->path);
    }
  }
  return result;
}

std::string NoteOperations::eraseQuestion(std::size_t count, const StringTable& strings) {
  if (count == 1) {
    return strings.text(StringId::kEraseNoteQuestion);
  }
  return StringTable::format(strings.text(StringId::kEraseNotesQuestion), static_cast<long>(count));
}

std::vector<std::string> NoteOperations::eraseListLines(const NoteList& notes) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < notes.size(); ++i) {
    lines.push_back(" " + std::to_string(i + 1) + ".  " + notes.getAt(i)->displayName);
  }
  return lines;
}

}  // namespace qp
