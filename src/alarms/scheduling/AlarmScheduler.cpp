#include "alarms/scheduling/AlarmScheduler.h"

#include <algorithm>

#include "alarms/LocalTime.h"
#include "common/DiagnosticTrace.h"
#include "library/NoteAlarms.h"
#include "library/NoteFileSet.h"
#include "library/NoteList.h"

namespace qp {
namespace {

std::int64_t msUntil(std::int64_t time, std::int64_t now) {
  return std::max<std::int64_t>(time - now, 0) * 1000;
}

bool erasesAfterPlaying(const AlarmRecord& r) {
  return r.schedule == AlarmRecord::kOneTime && r.eraseAfterPlaying != 0;
}

}  // namespace

AlarmScheduler::AlarmScheduler(std::string notesDirectory, Services services)
    : notesDirectory_(std::move(notesDirectory)), services_(services) {}

int AlarmScheduler::slotOf(const std::string& notePath) const {
  for (int i = 0; i < kSlots; ++i) {
    if (slotPaths_[static_cast<std::size_t>(i)] == notePath) {
      return i;
    }
  }
  return -1;
}

int AlarmScheduler::acquireSlot(const std::string& notePath) {
  if (const int slot = slotOf(notePath); slot >= 0) {
    return slot;
  }
  const int free = slotOf("");
  if (free >= 0) {
    slotPaths_[static_cast<std::size_t>(free)] = notePath;
  }
  return free;
}

void AlarmScheduler::killAlarmTimers() {
  for (int slot : armedSlots_) {
    services_.timers.killTimer(kFirstAlarmTimer + slot);
  }
  armedSlots_.clear();
  armedCount_ = 0;
}

void AlarmScheduler::killAll() {
  killAlarmTimers();
  for (int slot : std::set<int>(replayingSlots_)) {
    stopReplay(slot);
  }
  services_.timers.killTimer(kMidnightTimer);
}

void AlarmScheduler::releaseIdleSlots() {
  for (std::string& path : slotPaths_) {
    if (!path.empty() && ringing_.count(path) == 0) {
      path.clear();
    }
  }
}

void AlarmScheduler::armAt(int slot, std::int64_t delayMs) {
  services_.timers.setTimer(kFirstAlarmTimer + slot, delayMs);
  armedSlots_.insert(slot);
  ++armedCount_;
}

void AlarmScheduler::armMidnight(std::int64_t now) {
  const LocalDateTime today = LocalTime::fromTime(now);
  const std::optional<std::int64_t> tomorrow =
      LocalTime::midnight(today.year, today.month, today.day + 1);
  const std::int64_t refresh = tomorrow ? *tomorrow + 1 : now + std::int64_t{24} * 3600;
  services_.timers.setTimer(kMidnightTimer, msUntil(refresh, now));
}

void AlarmScheduler::rearm() {
  killAlarmTimers();
  services_.timers.killTimer(kMidnightTimer);
  releaseIdleSlots();
  NoteList list(services_.settings, services_.strings, services_.clock);
  list.setAlarmsOnly(true);
  list.load(notesDirectory_);
  alarms_ = list.entries();
  if (alarms_.empty()) {
    return;
  }
  const std::int64_t now = services_.clock.now();
  armMidnight(now);
  for (const NoteEntry& note : alarms_) {
    if (!note.alarm || ringing_.count(note.path) != 0) {
      continue;
    }
    std::int64_t delayMs = 0;
    switch (note.alarm->state) {
      case AlarmState::Due:
        delayMs = kDueDelayMs;
        break;
      case AlarmState::Today:
        delayMs = msUntil(note.alarm->nextTime, now);
        break;
      case AlarmState::Snoozed:
        delayMs = msUntil(note.alarm->snoozeUntil, now);
        break;
      default:
        continue;
    }
    const int slot = acquireSlot(note.path);
    if (slot < 0) {
      diagnosticTrace("alarm scheduler: more than 100 alarms armed at once; " + note.path +
                      " is not armed");
      continue;
    }
    armAt(slot, delayMs);
  }
}

NoteEntry* AlarmScheduler::find(const std::string& notePath) {
  auto it = std::find_if(alarms_.begin(), alarms_.end(),
                         [&](const NoteEntry& e) { return e.path == notePath; });
  return it == alarms_.end() || !it->alarm ? nullptr : &*it;
}

void AlarmScheduler::onTimer(int id) {
  if (id == kMidnightTimer) {
    services_.timers.killTimer(id);
    rearm();
  } else if (id >= kFirstAlarmTimer && id < kFirstAlarmTimer + kSlots) {
    fire(id - kFirstAlarmTimer);
  } else if (id >= kFirstReplayTimer && id < kFirstReplayTimer + kSlots) {
    replay(id - kFirstReplayTimer);
  }
}

void AlarmScheduler::fire(int slot) {
  services_.timers.killTimer(kFirstAlarmTimer + slot);
  if (armedSlots_.erase(slot) != 0) {
    armedCount_ = std::max(armedCount_ - 1, 0);
  }
  const NoteEntry* found = find(slotPaths_[static_cast<std::size_t>(slot)]);
  if (found == nullptr) {
    return;
  }
  NoteEntry note = *found;
  AlarmRecord record = *note.alarm;
  record.state = AlarmState::Unset;
  services_.ui.alarmFired(note);
  if (record.playTone != 0) {
    playToneWithRetries();
  }
  if (record.showPopup == 0) {
    services_.sounds.playNote(note.path);
    finish(note, record);
    services_.ui.rebuildNotesList();
    return;
  }
  ring(slot, note, std::move(record));
}

void AlarmScheduler::playToneWithRetries() {
  for (int attempt = 1; attempt <= kToneAttempts; ++attempt) {
    if (services_.sounds.playTone()) {
      return;
    }
    if (attempt < kToneAttempts) {
      services_.sounds.pause(kToneRetryMs);
    }
  }
}

void AlarmScheduler::ring(int slot, const NoteEntry& note, AlarmRecord record) {
  services_.sounds.startNote(note.path);
  if (record.replay != 0) {
    services_.timers.setTimer(kFirstReplayTimer + slot,
                              std::int64_t{std::max(record.replayMinutes, 1)} * 60000);
    replayingSlots_.insert(slot);
    replayCount_ = kReplays;
  }
  record.state = AlarmState::Ringing;
  if (NoteEntry* stored = find(note.path)) {
    NoteAlarms::save(*stored, record, false, services_.clock.now());
  }
  const std::string path = note.path;
  ringing_.insert(path);
  const AlarmPopupResult result = services_.ui.showPopup(note);
  ringing_.erase(path);
  services_.sounds.stopAll();
  stopReplay(slot);
  NoteEntry* current = find(path);  // the list may have been reloaded meanwhile
  if (current == nullptr) {
    return;
  }
  if (result.snooze) {
    snooze(path, result.snoozeMinutes);
  } else {
    AlarmRecord closed = *current->alarm;
    closed.state = AlarmState::Unset;
    finish(*current, closed);
  }
  services_.ui.rebuildNotesList();
}

void AlarmScheduler::snooze(const std::string& notePath, int minutes) {
  NoteEntry* note = find(notePath);
  const int slot = acquireSlot(notePath);
  if (note == nullptr || slot < 0) {
    return;
  }
  minutes = std::max(minutes, 1);
  const std::int64_t now = services_.clock.now();
  AlarmRecord record = *note->alarm;
  record.state = AlarmState::Snoozed;
  record.snoozeUntil = static_cast<std::int32_t>(now + std::int64_t{minutes} * 60);
  armAt(slot, std::int64_t{minutes} * 60000);
  NoteAlarms::save(*note, record, true, now);
}

void AlarmScheduler::finish(const NoteEntry& note, const AlarmRecord& record) {
  if (erasesAfterPlaying(record)) {
    NoteFileSet::erase(note, services_.trash);
    rearm();
    return;
  }
  if (NoteEntry* stored = find(note.path)) {
    NoteAlarms::save(*stored, record, true, services_.clock.now());
  }
}

void AlarmScheduler::replay(int slot) {
  if (replayCount_ == 0) {
    stopReplay(slot);
    return;
  }
  --replayCount_;
  const NoteEntry* note = find(slotPaths_[static_cast<std::size_t>(slot)]);
  if (note == nullptr) {
    return;
  }
  if (note->alarm->playTone != 0) {
    services_.sounds.playTone();
  }
  services_.sounds.startNote(note->path);
}

void AlarmScheduler::stopReplay(int slot) {
  if (replayingSlots_.erase(slot) != 0) {
    services_.timers.killTimer(kFirstReplayTimer + slot);
  }
}

}  // namespace qp
