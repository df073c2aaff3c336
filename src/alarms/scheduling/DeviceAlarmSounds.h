#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "alarms/scheduling/AlarmSounds.h"
#include "audio/device/AudioBackend.h"

namespace qp {

// The alarm's sounds on the default playback sink of an AudioBackend. Only one sound plays at
// a time: starting a note stops the note that is playing; the tone refuses to start while a
// note plays. Call from one thread (the scheduler's); a started note plays on a worker thread.
class DeviceAlarmSounds final : public AlarmSounds {
 public:
  explicit DeviceAlarmSounds(AudioBackend& backend);
  ~DeviceAlarmSounds() override;
  DeviceAlarmSounds(const DeviceAlarmSounds&) = delete;
  DeviceAlarmSounds& operator=(const DeviceAlarmSounds&) = delete;

  bool playTone() override;
  void playNote(const std::string& path) override;
  void startNote(const std::string& path) override;
  void stopAll() override;
  void pause(int milliseconds) override;

  // True while a started note is still playing.
  bool playing() const { return worker_.joinable() && !finished_.load(); }

 private:
  void joinFinished();

  AudioBackend& backend_;
  std::thread worker_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> finished_{true};
};

}  // namespace qp
