#include "support/FakeAudioUi.h"

#include <filesystem>

namespace qp::test {

void FakeUiServices::postToUi(std::function<void()> task) {
  std::lock_guard lock(mutex_);
  ++posted;
  tasks_.push_back(std::move(task));
  cv_.notify_all();
}

void FakeUiServices::showMessage(const std::string& text) {
  messages.push_back(text);
}

bool FakeUiServices::askYesNo(const std::string& text) {
  questions.push_back(text);
  return answerYes;
}

NoAudioChoice FakeUiServices::showNoAudioDialog(const std::string& text, bool showHelp) {
  noAudioTexts.push_back(text);
  noAudioHelp.push_back(showHelp);
  return noAudioChoice;
}

int FakeUiServices::runPending() {
  std::deque<std::function<void()>> batch;
  {
    std::lock_guard lock(mutex_);
    batch.swap(tasks_);
  }
  for (auto& task : batch) {
    task();
  }
  return static_cast<int>(batch.size());
}

bool FakeUiServices::runUntil(const std::function<bool()>& done,
                              std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) {
      return false;
    }
    {
      // Short waits: done() may also be made true by a worker thread without a task.
      std::unique_lock lock(mutex_);
      cv_.wait_for(lock, std::chrono::milliseconds(2), [this] { return !tasks_.empty(); });
    }
    runPending();
  }
  return true;
}

void FakeGraph::prepare(const WaveFormat& /*format*/, std::uint32_t /*samplesPerBlock*/,
                        double secondsAcross, bool /*redrawNow*/, bool resetSelection) {
  std::lock_guard lock(mutex_);
  ++prepares_;
  secondsAcross_ = secondsAcross;
  resetSelection_ = resetSelection;
  forward_.clear();
}

int FakeGraph::addForward(const std::int16_t* samples, std::uint32_t count, int column, int /*pen*/,
                          double /*gain*/) {
  std::lock_guard lock(mutex_);
  forward_.insert(forward_.end(), samples, samples + count);
  return column + 1;
}

int FakeGraph::addBackward(const std::int16_t* /*samples*/, std::uint32_t /*count*/, int column,
                           int /*pen*/, double /*gain*/) {
  std::lock_guard lock(mutex_);
  ++backwardBlocks_;
  return column > 0 ? column - 1 : 0;
}

void FakeGraph::restoreCleanCopy() {
  std::lock_guard lock(mutex_);
  ++restores_;
}

std::vector<std::int16_t> FakeGraph::forward() const {
  std::lock_guard lock(mutex_);
  return forward_;
}

int FakeGraph::backwardBlocks() const {
  std::lock_guard lock(mutex_);
  return backwardBlocks_;
}

int FakeGraph::prepares() const {
  std::lock_guard lock(mutex_);
  return prepares_;
}

double FakeGraph::secondsAcross() const {
  std::lock_guard lock(mutex_);
  return secondsAcross_;
}

bool FakeGraph::lastResetSelection() const {
  std::lock_guard lock(mutex_);
  return resetSelection_;
}

void FakeAudioWindow::showTime(int seconds) {
  {
    std::lock_guard lock(mutex_);
    times_.push_back(seconds);
  }
  if (onShowTime) {
    onShowTime(seconds);
  }
}

void FakeAudioWindow::levelBlock(const std::int16_t* /*samples*/, std::uint32_t /*count*/) {
  std::lock_guard lock(mutex_);
  ++levelBlocks_;
}

void FakeAudioWindow::clearLevel() {
  {
    std::lock_guard lock(mutex_);
    ++levelClears_;
  }
  if (onClearLevel) {
    onClearLevel();
  }
}

void FakeAudioWindow::skinEvent(int event, int /*value*/) {
  std::lock_guard lock(mutex_);
  skinEvents_.push_back(event);
}

void FakeAudioWindow::selectOnly(std::size_t index) {
  selected = {index};
  played.push_back(index);
}

std::string FakeAudioWindow::newNotePath() {
  std::string path;
  do {
    path = folder_ + "/QP_new " + std::to_string(++pathCounter_) + ".wav";
  } while (std::filesystem::exists(path));
  return path;
}

std::vector<int> FakeAudioWindow::times() const {
  std::lock_guard lock(mutex_);
  return times_;
}

int FakeAudioWindow::levelBlocks() const {
  std::lock_guard lock(mutex_);
  return levelBlocks_;
}

int FakeAudioWindow::levelClears() const {
  std::lock_guard lock(mutex_);
  return levelClears_;
}

std::vector<int> FakeAudioWindow::skinEvents() const {
  std::lock_guard lock(mutex_);
  return skinEvents_;
}

}  // namespace qp::test
