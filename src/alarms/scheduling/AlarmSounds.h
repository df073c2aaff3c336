#pragma once

#include <string>

namespace qp {

// The sounds of a firing alarm. Synchronous calls return when the sound has ended.
class AlarmSounds {
 public:
  virtual ~AlarmSounds() = default;
  // Plays the alarm tone to its end; false at once when it cannot start (another sound is
  // still playing, or there is no sound device). Never interrupts a sound that is playing.
  virtual bool playTone() = 0;
  // Plays a note's wave file to its end; returns without a word when it cannot be played.
  virtual void playNote(const std::string& path) = 0;
  // Starts playing a note's wave file and returns at once.
  virtual void startNote(const std::string& path) = 0;
  // Stops every sound that is playing.
  virtual void stopAll() = 0;
  // Waits before the next attempt to start the tone.
  virtual void pause(int milliseconds) = 0;
};

}  // namespace qp
