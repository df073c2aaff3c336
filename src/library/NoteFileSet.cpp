#include "library/NoteFileSet.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "library/NameRules.h"

namespace qp {
namespace fs = std::filesystem;
namespace {

// True also when the path cannot be looked at: then nothing may be moved onto it.
bool existsAt(const std::string& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

bool isWaveName(const std::string& name) {
  if (name.size() < 4) {
    return false;
  }
  std::string ext = name.substr(name.size() - 4);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; });
  return ext == ".wav";
}

// Renames from to to; across file systems, copies and then deletes the source. The target is
// never left half-written: a failed copy is removed again.
bool moveFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(from, to, ec);
  if (!ec) {
    return true;
  }
  if (ec != std::errc::cross_device_link) {
    return false;
  }
  if (!fs::copy_file(from, to, fs::copy_options::none, ec) || ec) {
    fs::remove(to, ec);
    return false;
  }
  fs::remove(from, ec);
  return true;
}

bool removeFile(Trash& trash, bool useTrash, const std::string& path) {
  if (useTrash) {
    return trash.moveToTrash(path);
  }
  std::error_code ec;
  return fs::remove(path, ec) && !ec;
}

}  // namespace

bool NoteFileSet::move(const NoteEntry& entry, const std::string& newPath) {
  if (newPath.size() > NameRules::kMaxNotePathLength || newPath.size() < 3 || existsAt(newPath) ||
      !moveFile(entry.path, newPath)) {
    return false;
  }
  const std::string newBase = newPath.substr(0, newPath.size() - 3);
  if (!entry.alarmPath.empty()) {
    moveFile(entry.alarmPath, newBase + "alm");
  }
  if (entry.companionPath.size() >= 3) {
    moveFile(entry.companionPath,
             newBase + entry.companionPath.substr(entry.companionPath.size() - 3));
  }
  return true;
}

std::vector<std::string> NoteFileSet::filesOf(const NoteEntry& entry) {
  std::vector<std::string> files{entry.path};
  const fs::path notePath(entry.path);
  const std::string base = entry.fileName().substr(0, entry.fileName().size() - 3);
  std::error_code ec;
  std::vector<std::string> matches;     // names beginning with base, other than the note
  std::vector<std::string> otherBases;  // bases of other notes that begin with base
  for (fs::directory_iterator it(notePath.parent_path(), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.compare(0, base.size(), base) != 0 || it->is_directory(ec) || it->path() == notePath) {
      continue;
    }
    matches.push_back(name);
    if (isWaveName(name)) {
      otherBases.push_back(name.substr(0, name.size() - 3));
    }
  }
  // Another note such as Memo.part.wav also begins with "Memo.": it and its own side files
  // belong to that note and are left alone.
  auto ownedByOther = [&](const std::string& name) {
    return std::any_of(otherBases.begin(), otherBases.end(), [&](const std::string& other) {
      return name.compare(0, other.size(), other) == 0;
    });
  };
  std::sort(matches.begin(), matches.end());
  for (const std::string& name : matches) {
    if (!ownedByOther(name)) {
      files.push_back((notePath.parent_path() / name).string());
    }
  }
  return files;
}

bool NoteFileSet::erase(const NoteEntry& entry, Trash& trash) {
  const bool useTrash = trash.available();
  const std::vector<std::string> files = filesOf(entry);
  if (!removeFile(trash, useTrash, files.front())) {
    return false;
  }
  for (std::size_t i = 1; i < files.size(); ++i) {
    removeFile(trash, useTrash, files[i]);
  }
  return true;
}

}  // namespace qp
