#include "library/FolderOperations.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "common/StringIds.h"
#include "library/NameRules.h"

namespace qp {
namespace fs = std::filesystem;

void FolderOperations::deleteTree(const fs::path& path) {
  std::error_code ec;
  if (fs::is_symlink(path, ec) || !fs::is_directory(path, ec)) {
    fs::remove(path, ec);  // a file, or a link (its target stays)
    return;
  }
  // Made writable first, so that a read-only directory does not keep its contents.
  fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
  std::vector<fs::path> children;
  for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
    children.push_back(it->path());
  }
  for (const fs::path& child : children) {
    deleteTree(child);
  }
  fs::remove(path, ec);
}

int FolderOperations::checkName(const std::string& name) {
  if (name.empty()) {
    return StringId::kFolderNameEmpty;
  }
  const NameRules::FolderNameCheck check = NameRules::checkFolderName(name);
  if (check.messageId != 0) {
    return check.messageId;
  }
  if (name == "." || name == "..") {
    return StringId::kFolderNameTaken;
  }
  return 0;
}

bool FolderOperations::nameTaken(const std::string& notesDirectory, const std::string& name) {
  std::error_code ec;
  if (fs::symlink_status(fs::path(notesDirectory) / name, ec).type() != fs::file_type::not_found) {
    return true;
  }
  for (fs::directory_iterator it(notesDirectory, ec), end; !ec && it != end; it.increment(ec)) {
    if (NameRules::equalsIgnoringCase(it->path().filename().string(), name)) {
      return true;
    }
  }
  return false;
}

int FolderOperations::newFolder(const std::string& notesDirectory, const std::string& name,
                                const FolderOptions& options, SettingsStore& settings) {
  if (const int refused = checkName(name)) {
    return refused;
  }
  if (nameTaken(notesDirectory, name)) {
    return StringId::kFolderNameTaken;
  }
  std::error_code ec;
  const fs::path path = fs::path(notesDirectory) / name;
  if (!fs::create_directory(path, notesDirectory, ec) || ec) {
    return StringId::kFolderNotCreated;
  }
  saveOptions(name, options, settings);
  return 0;
}

int FolderOperations::renameFolder(const std::string& notesDirectory, const std::string& oldName,
                                   const std::string& newName, SettingsStore& settings,
                                   const StringTable& strings) {
  if (const int refused = checkName(newName)) {
    return refused;
  }
  if (nameTaken(notesDirectory, newName)) {
    return StringId::kFolderNameTaken;
  }
  std::error_code ec;
  const fs::path oldPath = fs::path(notesDirectory) / oldName;
  if (oldName.empty() || NameRules::hasForbidden(oldName) || !fs::is_directory(oldPath, ec)) {
    return StringId::kFolderNotRenamed;
  }
  fs::rename(oldPath, fs::path(notesDirectory) / newName, ec);
  if (ec) {
    return StringId::kFolderNotRenamed;
  }
  const FolderOptions kept = FolderOptions::read(settings, oldName, strings);
  FolderOptions::remove(settings, oldName);
  FolderOptions::write(settings, newName, kept);
  return 0;
}

void FolderOperations::deleteFolder(const std::string& notesDirectory, const std::string& name,
                                    SettingsStore& settings) {
  if (name.empty() || name == "." || name == ".." || NameRules::hasForbidden(name)) {
    return;
  }
  deleteTree(fs::path(notesDirectory) / name);
  FolderOptions::remove(settings, name);
}

bool FolderOperations::saveOptions(const std::string& name, const FolderOptions& options,
                                   SettingsStore& settings) {
  return FolderOptions::write(settings, name, options.withDialogRule());
}

}  // namespace qp
