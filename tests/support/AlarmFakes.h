#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "alarms/scheduling/AlarmScheduler.h"
#include "alarms/scheduling/AlarmSounds.h"
#include "alarms/scheduling/AlarmTimers.h"
#include "alarms/scheduling/AlarmUi.h"
#include "common/Trash.h"
#include "support/FakeClock.h"

// Stand-ins for what the alarm scheduler drives: timers, sounds, windows and the trash.
namespace qp::test {

// Window-style repeating timers driven by the fake clock.
class FakeTimers final : public AlarmTimers {
 public:
  explicit FakeTimers(test::FakeClock& clock) : clock_(clock), nowMs_(clock.now() * 1000) {}
  void setTimer(int id, std::int64_t intervalMs) override {
    timers_[id] = {nowMs_ + intervalMs, intervalMs};
  }
  void killTimer(int id) override { timers_.erase(id); }
  bool has(int id) const { return timers_.count(id) != 0; }
  std::int64_t dueInMs(int id) const { return timers_.at(id).dueMs - nowMs_; }
  std::size_t count() const { return timers_.size(); }
  std::int64_t nowMs() const { return nowMs_; }

  // Lets ms pass, firing each timer that comes due, earliest first (also from inside a popup).
  void advance(std::int64_t ms, AlarmScheduler& scheduler) {
    const std::int64_t end = nowMs_ + ms;
    for (;;) {
      auto next = timers_.end();
      for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second.dueMs <= end &&
            (next == timers_.end() || it->second.dueMs < next->second.dueMs)) {
          next = it;
        }
      }
      if (next == timers_.end()) {
        break;
      }
      setNow(std::max(nowMs_, next->second.dueMs));
      next->second.dueMs += std::max<std::int64_t>(next->second.intervalMs, 1);
      scheduler.onTimer(next->first);
    }
    setNow(std::max(nowMs_, end));
  }

 private:
  struct Timer {
    std::int64_t dueMs;
    std::int64_t intervalMs;
  };
  void setNow(std::int64_t ms) {
    nowMs_ = ms;
    clock_.set(ms / 1000);
  }
  test::FakeClock& clock_;
  std::int64_t nowMs_;
  std::map<int, Timer> timers_;
};

// Records what was played, with the time in seconds of the fake clock.
class FakeSounds final : public AlarmSounds {
 public:
  explicit FakeSounds(const test::FakeClock& clock) : clock_(clock) {}
  bool playTone() override {
    log.push_back("tone");
    return toneRefusals-- <= 0;
  }
  void playNote(const std::string& path) override { log.push_back("play " + name(path)); }
  void startNote(const std::string& path) override {
    log.push_back("start " + name(path));
    startTimes.push_back(clock_.now());
  }
  void stopAll() override { log.push_back("stop"); }
  void pause(int milliseconds) override { pausedMs += milliseconds; }

  std::vector<std::string> log;
  std::vector<std::int64_t> startTimes;
  int toneRefusals = 0;
  int pausedMs = 0;

 private:
  static std::string name(const std::string& path) {
    return std::filesystem::path(path).filename().string();
  }
  const test::FakeClock& clock_;
};

class ScriptedUi final : public AlarmUi {
 public:
  AlarmPopupResult showPopup(const NoteEntry& note) override {
    popups.push_back(note.path);
    if (whilePopupOpen) {
      whilePopupOpen();
    }
    return popupResult;
  }
  AlarmDialogResult showAlarmDialog(const NoteEntry&, AlarmRecord& record, bool prompt) override {
    dialogs.push_back(prompt ? "prompt" : "edit");
    if (fillDialog) {
      fillDialog(record);
    }
    return dialogResult;
  }
  bool askYesNo(const std::string& text, const std::string&) override {
    questions.push_back(text);
    return answerYes;
  }
  void rebuildNotesList() override { ++rebuilds; }

  std::vector<std::string> popups;
  std::function<void()> whilePopupOpen;
  std::vector<std::string> dialogs;
  std::function<void(AlarmRecord&)> fillDialog;
  AlarmDialogResult dialogResult = AlarmDialogResult::Cancel;
  std::vector<std::string> questions;
  bool answerYes = true;
  AlarmPopupResult popupResult;
  int rebuilds = 0;
};

class NoTrash final : public Trash {
 public:
  bool available() const override { return false; }
  bool moveToTrash(const std::string&) override { return false; }
};

}  // namespace qp::test
