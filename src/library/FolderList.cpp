#include "library/FolderList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "library/FolderOptions.h"

namespace qp {
namespace fs = std::filesystem;

FolderList::FolderList(SettingsStore& settings, const StringTable& strings)
    : settings_(settings), strings_(strings) {}

void FolderList::setRoot(const std::string& root) {
  root_ = root;
  clear();
  std::error_code ec;
  for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_directory(typeError)) {
      continue;
    }
    FolderEntry entry;
    entry.path = it->path().string();
    entry.name = it->path().filename().string();
    const FolderOptions options = FolderOptions::read(settings_, entry.name, strings_);
    entry.promptForAlarms = options.promptForAlarms;
    entry.sortOrder = options.sortOrder;
    folders_.push_back(std::move(entry));
  }
  std::sort(folders_.begin(), folders_.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
}

void FolderList::clear() {
  folders_.clear();
  current_ = 0;
  cursor_ = 0;
}

const FolderEntry* FolderList::first() {
  cursor_ = 0;
  return getAt(cursor_);
}

const FolderEntry* FolderList::next() {
  if (cursor_ < folders_.size()) {
    ++cursor_;
  }
  return getAt(cursor_);
}

const FolderEntry* FolderList::getAt(std::size_t index) const {
  return index < folders_.size() ? &folders_[index] : nullptr;
}

FolderEntry* FolderList::getAt(std::size_t index) {
  return index < folders_.size() ? &folders_[index] : nullptr;
}

const FolderEntry* FolderList::previous() {
  if (folders_.empty()) {
    return nullptr;
  }
  current_ = current_ == 0 ? folders_.size() - 1 : current_ - 1;
  return current();
}

const FolderEntry* FolderList::following() {
  if (folders_.empty()) {
    return nullptr;
  }
  current_ = current_ + 1 >= folders_.size() ? 0 : current_ + 1;
  return current();
}

std::size_t FolderList::indexOf(const std::string& name) const {
  for (std::size_t i = 0; i < folders_.size(); ++i) {
    if (folders_[i].name == name) {
      return i;
    }
  }
  return folders_.size();
}

bool FolderList::selectByName(const std::string& name) {
  const std::size_t index = indexOf(name);
  current_ = index < folders_.size() ? index : 0;
  return index < folders_.size();
}

bool FolderList::saveOptions(const FolderEntry& entry) {
  return FolderOptions::write(settings_, entry.name,
                              FolderOptions{entry.promptForAlarms, entry.sortOrder});
}

bool FolderList::deleteOptions(const FolderEntry& entry) {
  return FolderOptions::remove(settings_, entry.name);
}

}  // namespace qp
