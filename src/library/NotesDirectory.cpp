#include "library/NotesDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/StringIds.h"

namespace qp {
namespace fs = std::filesystem;
namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The value of XDG_DOCUMENTS_DIR in a user-dirs.dirs file: "$HOME/..." or an absolute path.
std::string documentsFromUserDirs(const std::string& home) {
  std::string config = environment("XDG_CONFIG_HOME");
  if (config.empty()) {
    if (home.empty()) {
      return {};
    }
    config = home + "/.config";
  }
  std::ifstream in(config + "/user-dirs.dirs");
  std::string line;
  const std::string key = "XDG_DOCUMENTS_DIR=";
  while (std::getline(in, line)) {
    if (line.compare(0, key.size(), key) != 0) {
      continue;
    }
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    if (value.compare(0, 5, "$HOME") == 0) {
      return home.empty() ? std::string() : home + value.substr(5);
    }
    return value.empty() || value.front() != '/' ? std::string() : value;
  }
  return {};
}

bool isDirectory(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(path, ec);
}

bool makeDirectory(const std::string& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  return isDirectory(path);
}

bool holdsAFolder(const std::string& path) {
  std::error_code ec;
  for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::string NotesDirectory::documentsDirectory() {
  std::string fromEnvironment = environment("XDG_DOCUMENTS_DIR");
  if (!fromEnvironment.empty()) {
    return fromEnvironment;
  }
  const std::string home = environment("HOME");
  std::string fromFile = documentsFromUserDirs(home);
  if (!fromFile.empty()) {
    return fromFile;
  }
  return home.empty() ? std::string() : home + "/Documents";
}

std::string NotesDirectory::resolve(SettingsStore& settings, const StringTable& strings,
                                    const std::string& programDirectory) {
  std::string override = environment(kOverrideVariable);
  if (!override.empty()) {
    makeDirectory(override);
    if (!holdsAFolder(override)) {
      createDefaultFolders(override, settings, strings);
    }
    return override;
  }
  std::string stored = settings.readText("NotesPath", "");
  if (isDirectory(stored)) {
    return stored;
  }
  std::string notes;
  const std::string documents = documentsDirectory();
  if (!documents.empty() && makeDirectory(documents)) {
    notes = documents + "/Quillophone";
  } else {
    std::string program = programDirectory;
    while (program.size() > 1 && program.back() == '/') {
      program.pop_back();
    }
    notes = program + "/Quillophone";
  }
  makeDirectory(notes);
  settings.writeText("NotesPath", notes);
  createDefaultFolders(notes, settings, strings);
  return notes;
}

void NotesDirectory::createDefaultFolders(const std::string& notesDirectory,
                                          SettingsStore& settings, const StringTable& strings) {
  for (int id = StringId::kDefaultFolder1; id <= StringId::kDefaultFolder8; ++id) {
    const std::string name = strings.text(id);
    if (name.size() > 2) {
      makeDirectory(std::string(notesDirectory).append("/").append(name));
    }
    if (id == StringId::kDefaultFolder1) {
      settings.writeText("DefFolder", name);
    }
  }
}

}  // namespace qp
