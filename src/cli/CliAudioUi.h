#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "audio/window/AudioWindow.h"
#include "cli/Terminal.h"
#include "common/UiServices.h"

namespace qp::cli {

// The user interface of the audio verbs on the terminal: the main thread is the UI thread and
// runs posted tasks from runUntil; messages go to standard error as error lines in the
// terminal's wording (cli/CliMessages.h); questions take a preset answer (the verb's options
// stand for the user's clicks).
class CliUiServices final : public UiServices {
 public:
  void postToUi(std::function<void()> task) override;
  void showMessage(const std::string& text) override;
  bool askYesNo(const std::string& text) override;
  NoAudioChoice showNoAudioDialog(const std::string& text, bool showHelp) override;

  // Runs posted tasks until done() holds (true) or the terminal asks to stop (false); tick
  // runs on every pass (progress lines).
  bool runUntil(const std::function<bool()>& done, Terminal& terminal,
                const std::function<void()>& tick = {});

  bool answerYes = true;
  int messagesShown = 0;
  // Texts shown in place of the program's own (the command line's file names).
  std::map<std::string, std::string> replacements;
  // The file the verb works on, named before the messages about a file; empty: none.
  std::function<std::string()> subject;
  bool noAudioShown = false;

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  std::deque<std::function<void()>> tasks_;
};

// A graph that draws nothing: the command line has no picture, but its --from/--to options
// stand for a selection, which only applies where a graph exists.
class CliGraph final : public WaveformGraphFeed {
 public:
  void prepare(const WaveFormat&, std::uint32_t, double, bool, bool) override {}
  int addForward(const std::int16_t*, std::uint32_t, int column, int, double) override {
    return column;
  }
  int addBackward(const std::int16_t*, std::uint32_t, int column, int, double) override {
    return column;
  }
  int width() const override { return 1000; }
  void saveCleanCopy() override {}
  void restoreCleanCopy() override {}
};

// The main window of the audio verbs: a notes list of the files named on the command line
// (all selected), the selection from the options, the last time shown, and new notes in
// folderForNewNotes under NameRules::newNoteName, with " (2)", " (3)"... while that is taken.
class CliAudioWindow final : public AudioWindow {
 public:
  void showTime(int seconds) override { time_.store(seconds); }
  WaveformGraphFeed* graph() override { return &graph_; }
  std::size_t noteCount() override { return notes.size(); }
  std::string notePath(std::size_t index) override { return notes.at(index); }
  std::string noteDisplayName(std::size_t index) override;
  std::vector<std::size_t> selectedNotes() override { return selected; }
  void selectOnly(std::size_t index) override;
  void reselect(const std::vector<std::size_t>& indexes) override { selected = indexes; }
  GraphSelection graphSelection() override { return selection; }
  std::string newNotePath() override;

  int time() const { return time_.load(); }
  std::size_t current() const { return current_; }

  std::vector<std::string> notes;
  std::vector<std::size_t> selected;
  GraphSelection selection;
  std::string folderForNewNotes;
  std::string fixedNewPath;  // when set, every new file is this one (record OUT.wav)

 private:
  std::atomic<int> time_{0};
  std::size_t current_ = 0;
  CliGraph graph_;
};

// The selection of the --from/--to options: both a stretch, --from alone an insertion point,
// --to alone a stretch from the start.
GraphSelection selectionOf(const double* from, const double* to);

}  // namespace qp::cli
