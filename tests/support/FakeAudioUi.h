#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "audio/recording/RecordingDestination.h"
#include "audio/window/AudioWindow.h"
#include "common/UiServices.h"

namespace qp::test {

// UiServices for tests: posted tasks wait in a queue until the test runs them on its own
// thread (the "UI thread"); messages, questions and the no-audio dialog are recorded and
// answered as set.
class FakeUiServices final : public UiServices {
 public:
  void postToUi(std::function<void()> task) override;
  void showMessage(const std::string& text) override;
  bool askYesNo(const std::string& text) override;
  NoAudioChoice showNoAudioDialog(const std::string& text, bool showHelp) override;

  // Runs the tasks queued so far; returns how many ran.
  int runPending();
  // Runs posted tasks as they come until done() holds or timeout passes; false on timeout.
  bool runUntil(const std::function<bool()>& done,
                std::chrono::milliseconds timeout = std::chrono::seconds(20));

  std::atomic<int> posted{0};  // tasks posted so far, from any thread
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  bool answerYes = true;
  std::vector<std::string> noAudioTexts;
  std::vector<bool> noAudioHelp;
  NoAudioChoice noAudioChoice;

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  std::deque<std::function<void()>> tasks_;
};

// A waveform graph that records what it is fed.
class FakeGraph final : public WaveformGraphFeed {
 public:
  void prepare(const WaveFormat& format, std::uint32_t samplesPerBlock, double secondsAcross,
               bool redrawNow, bool resetSelection) override;
  int addForward(const std::int16_t* samples, std::uint32_t count, int column, int pen,
                 double gain) override;
  int addBackward(const std::int16_t* samples, std::uint32_t count, int column, int pen,
                  double gain) override;
  int width() const override { return 100; }
  void saveCleanCopy() override {}
  void restoreCleanCopy() override;

  std::vector<std::int16_t> forward() const;
  int backwardBlocks() const;
  int prepares() const;
  double secondsAcross() const;
  bool lastResetSelection() const;

 private:
  mutable std::mutex mutex_;
  std::vector<std::int16_t> forward_;
  int backwardBlocks_ = 0;
  int prepares_ = 0;
  int restores_ = 0;
  double secondsAcross_ = 0.0;
  bool resetSelection_ = false;
};

// The main window for tests: a notes list of given paths, a graph selection, and a record of
// the time display, the level meter and the skin events. onShowTime runs on the worker thread
// inside showTime, so a test can act at an exact point of a recording or playback.
class FakeAudioWindow final : public AudioWindow {
 public:
  explicit FakeAudioWindow(std::string folder = {}) : folder_(std::move(folder)) {}

  void showTime(int seconds) override;
  void levelBlock(const std::int16_t* samples, std::uint32_t count) override;
  void clearLevel() override;
  WaveformGraphFeed* graph() override { return withGraph ? &graph_ : nullptr; }
  void skinEvent(int event, int value) override;
  void showTimeText(const std::string& text) override { timeTexts.push_back(text); }
  void recorderStateChanged(bool recording) override { recorderStates.push_back(recording); }
  void playerStateChanged(bool playing) override { playerStates.push_back(playing); }
  std::size_t noteCount() override { return notes.size(); }
  std::string notePath(std::size_t index) override { return notes.at(index); }
  std::string noteDisplayName(std::size_t index) override {
    return "note " + std::to_string(index);
  }
  std::vector<std::size_t> selectedNotes() override { return selected; }
  void selectOnly(std::size_t index) override;
  void reselect(const std::vector<std::size_t>& indexes) override { selected = indexes; }
  void refreshNoteList(const std::string& selectPath) override {
    listRefreshes.push_back(selectPath);
  }
  void companionUpdated(const std::string& notePath) override { companions.push_back(notePath); }
  GraphSelection graphSelection() override { return selection; }
  std::string newNotePath() override;

  std::vector<int> times() const;
  int levelBlocks() const;
  int levelClears() const;
  std::vector<int> skinEvents() const;
  FakeGraph& fakeGraph() { return graph_; }

  bool withGraph = true;
  std::vector<std::string> notes;
  std::vector<std::size_t> selected;
  std::vector<std::size_t> played;  // selectOnly calls: the notes a sequence went through
  GraphSelection selection;
  std::vector<std::string> timeTexts;
  std::vector<bool> recorderStates;
  std::vector<bool> playerStates;
  std::vector<std::string> listRefreshes;
  std::vector<std::string> companions;
  std::function<void(int)> onShowTime;  // worker thread
  std::function<void()> onClearLevel;   // worker thread

 private:
  mutable std::mutex mutex_;
  std::string folder_;
  int pathCounter_ = 0;
  std::vector<int> times_;
  std::vector<int> skinEvents_;
  int levelBlocks_ = 0;
  int levelClears_ = 0;
  FakeGraph graph_;
};

// Files every finished recording where it is, keeping the paths it was given.
class FakeFiler final : public RecordingDestination {
 public:
  std::string file(const std::string& path) override {
    filed.push_back(path);
    return path;
  }
  std::vector<std::string> filed;
};

}  // namespace qp::test
