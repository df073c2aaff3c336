#include "cli/CliAudioUi.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "cli/CliMessages.h"
#include "library/NameRules.h"

namespace qp::cli {

void CliUiServices::postToUi(std::function<void()> task) {
  std::lock_guard lock(mutex_);
  tasks_.push_back(std::move(task));
  cv_.notify_all();
}

void CliUiServices::showMessage(const std::string& text) {
  ++messagesShown;
  const auto replaced = replacements.find(text);
  const TerminalMessage message = replaced != replacements.end()
                                      ? TerminalMessage{replaced->second, true}
                                      : terminalMessage(text);
  fileError(message.aboutFile && subject ? subject() : std::string(), message.text);
}

bool CliUiServices::askYesNo(const std::string& /*text*/) {
  return answerYes;
}

NoAudioChoice CliUiServices::showNoAudioDialog(const std::string& text, bool /*showHelp*/) {
  noAudioShown = true;
  ++messagesShown;
  fileError(std::string(), terminalMessage(text).text);
  return {};
}

bool CliUiServices::runUntil(const std::function<bool()>& done, Terminal& terminal,
                             const std::function<void()>& tick) {
  while (!done()) {
    if (terminal.stopRequested()) {
      return false;
    }
    std::deque<std::function<void()>> batch;
    {
      std::unique_lock lock(mutex_);
      cv_.wait_for(lock, std::chrono::milliseconds(50), [this] { return !tasks_.empty(); });
      batch.swap(tasks_);
    }
    for (auto& task : batch) {
      task();
    }
    if (tick) {
      tick();
    }
  }
  return true;
}

std::string CliAudioWindow::noteDisplayName(std::size_t index) {
  return std::filesystem::path(notes.at(index)).stem().string();
}

void CliAudioWindow::selectOnly(std::size_t index) {
  selected = {index};
  current_ = index;
}

std::string CliAudioWindow::newNotePath() {
  if (!fixedNewPath.empty()) {
    return fixedNewPath;
  }
  const std::string name = NameRules::newNoteName(static_cast<std::int64_t>(std::time(nullptr)));
  std::string path = folderForNewNotes + "/" + name + ".wav";
  for (int n = 2; std::filesystem::exists(path); ++n) {
    path = folderForNewNotes + "/" + name + " (" + std::to_string(n) + ").wav";
  }
  return path;
}

GraphSelection selectionOf(const double* from, const double* to) {
  if (from != nullptr && to != nullptr) {
    return GraphSelection::range(*from, *to);
  }
  if (from != nullptr) {
    return GraphSelection::insertionPoint(*from);
  }
  if (to != nullptr) {
    return GraphSelection::range(0.0, *to);
  }
  return GraphSelection::none();
}

}  // namespace qp::cli
