#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "alarms/scheduling/AlarmSounds.h"
#include "alarms/scheduling/AlarmTimers.h"
#include "alarms/scheduling/AlarmUi.h"
#include "common/Clock.h"
#include "common/SettingsStore.h"
#include "common/StringTable.h"
#include "common/Trash.h"
#include "library/NoteEntry.h"

namespace qp {

// Keeps one timer per armed alarm of every note under the notes directory, re-arms itself
// after midnight, and plays a note when its timer fires (tone first, popup with replays and
// snooze, erase after playing). Lives from start-up to exit; everything runs on one thread
// (timers, popups, sounds).
//
// Each armed or ringing note holds a slot (0 to 99) for as long as it is armed or its popup is
// open: its alarm timer is kFirstAlarmTimer + slot, its replay timer kFirstReplayTimer + slot.
// A reload of the list keeps the slots of notes whose popup is open, so a snooze or replay
// always stays with its note. Timers are armed for absolute times (a snooze that ends after
// midnight fires on time).
class AlarmScheduler {
 public:
  static constexpr int kMidnightTimer = 32783;
  static constexpr int kFirstAlarmTimer = 32784;
  static constexpr int kFirstReplayTimer = 32884;
  static constexpr int kSlots = 100;
  static constexpr int kReplays = 3;
  static constexpr int kToneAttempts = 30;
  static constexpr int kToneRetryMs = 1000;
  static constexpr std::int64_t kDueDelayMs = 1000;

  // What the scheduler uses; everything must outlive it.
  struct Services {
    const SettingsStore& settings;
    const StringTable& strings;
    const Clock& clock;
    AlarmTimers& timers;
    AlarmSounds& sounds;
    AlarmUi& ui;
    Trash& trash;
  };

  AlarmScheduler(std::string notesDirectory, Services services);
  AlarmScheduler(const AlarmScheduler&) = delete;
  AlarmScheduler& operator=(const AlarmScheduler&) = delete;

  // Kills the alarm timers, reloads every note that has an alarm file (bringing the alarms up
  // to date), sets the midnight refresh (00:00:01 local) and arms the Due (in 1 s), Today (at
  // nextTime) and Snoozed (at snoozeUntil) alarms. Notes whose popup is open are not armed.
  void rearm();
  // Kills every alarm and replay timer (before exit).
  void killAll();
  // A timer fired.
  void onTimer(int id);

  // Alarm timers armed now; the close question is asked while this is above 0.
  int armedCount() const { return armedCount_; }
  // Replays left of the alarm that rang last.
  int replayCount() const { return replayCount_; }
  // Every note with an alarm, as last loaded.
  const std::vector<NoteEntry>& alarms() const { return alarms_; }
  // The slot of a note, or -1 when it has none (not armed, no popup open).
  int slotOf(const std::string& notePath) const;

 private:
  void killAlarmTimers();
  void releaseIdleSlots();
  int acquireSlot(const std::string& notePath);
  void armAt(int slot, std::int64_t delayMs);
  void armMidnight(std::int64_t now);
  NoteEntry* find(const std::string& notePath);
  void fire(int slot);
  void ring(int slot, const NoteEntry& note, AlarmRecord record);
  void playToneWithRetries();
  void finish(const NoteEntry& note, const AlarmRecord& record);
  void snooze(const std::string& notePath, int minutes);
  void replay(int slot);
  void stopReplay(int slot);

  std::string notesDirectory_;
  Services services_;
  std::vector<NoteEntry> alarms_;
  std::array<std::string, kSlots> slotPaths_;  // empty: free
  std::set<int> armedSlots_;
  std::set<int> replayingSlots_;
  std::set<std::string> ringing_;  // notes whose popup is open
  int armedCount_ = 0;
  int replayCount_ = 0;
};

}  // namespace qp
