#pragma once

#include <functional>
#include <memory>
#include <string>

#include "audio/device/AudioBackend.h"
#include "audio/device/CurrentRunPoster.h"
#include "audio/device/PlaybackDevice.h"
#include "audio/device/WorkerThread.h"
#include "audio/playback/PlaybackFlags.h"
#include "audio/playback/PlaybackSequence.h"
#include "audio/wave/WaveFileReader.h"
#include "audio/window/AudioWindow.h"
#include "common/UiServices.h"

namespace qp {

// Plays notes through the playback device: one note, the selected notes or all notes of the
// folder in sequence, the 3-second scan, continuous play, pause, jumps, "Push and Hold" fast
// forward and reverse, and the speed position. One playback thread per note; it reports its
// end through UiServices::postToUi, and every follow-up (next note, play again) runs on the
// UI thread. All functions are called on the UI thread.
class PlaybackController {
 public:
  static constexpr std::uint32_t kStopWaitMs = 5000;

  // All must outlive the controller.
  PlaybackController(AudioBackend& backend, UiServices& ui, AudioWindow& window);
  ~PlaybackController();
  PlaybackController(const PlaybackController&) = delete;
  PlaybackController& operator=(const PlaybackController&) = delete;

  // Asked before play(): true while a recording runs (play is then ignored).
  void setRecordingQuery(std::function<bool()> isRecording) {
    isRecording_ = std::move(isRecording);
  }

  // The play command for the selected notes (see play again).
  void play();
  // One selected note: plays it; several: a sequence over them; none: nothing.
  void playSelected();
  // A sequence over every note of the folder; scan plays the first 3 seconds of each.
  void playAll(bool scan);
  bool startPlayback(const std::string& path, const std::string& displayName);
  void stopPlayback(bool wait);
  // The stop control: ends a running sequence too.
  void stopControl();
  void nextInSequence() { sequence_.next(); }
  // Lets the current note end at once (the sequence moves on); previous() goes back one note.
  void skip();
  void previous();

  // Requests the thread takes at its next chunk.
  void jumpForward() { flags_.jumpForward.store(true); }
  void jumpBack() { flags_.jumpBack.store(true); }
  void goToStart() { flags_.goToStart.store(true); }
  void setFastForwardHold(bool held) { flags_.fastForwardHold.store(held); }
  void setFastReverseHold(bool held) { flags_.fastReverseHold.store(held); }
  // Speed position -19 .. 19 (values outside are held to the range).
  void setSpeed(int position);
  void setContinuous(bool on) { flags_.continuous.store(on); }
  // Flips pause; returns the new state.
  bool togglePause();
  void setPaused(bool paused);

  bool playing() const { return playing_; }
  bool inSequence() const { return flags_.inSequence.load(); }
  bool scanning() const { return sequence_.scanning(); }
  bool paused() const { return flags_.paused.load(); }
  int speed() const { return flags_.speed.load(); }
  const std::string& noteName() const { return noteName_; }
  // Whether a run ended because the sink stopped taking sound (the sound server was lost);
  // a sequence ends with it. Stays set for the controller's life.
  bool sinkLost() const { return sinkLost_; }
  // The flags shared with the thread; safe from any thread (the hold buttons, tests).
  PlaybackFlags& flags() { return flags_; }

 private:
  // A run's end, reported on the UI thread; current: no newer run has begun since.
  void onFinished(bool current);
  void failStart(int messageId);

  AudioBackend& backend_;
  UiServices& ui_;
  AudioWindow& window_;
  std::function<bool()> isRecording_;
  PlaybackFlags flags_;
  WorkerThread thread_;
  std::unique_ptr<WaveFileReader> reader_;
  std::unique_ptr<PlaybackDevice> device_;
  std::string noteName_;
  bool playing_ = false;
  bool playAgain_ = false;
  bool sinkLost_ = false;
  PlaybackSequence sequence_;
  CurrentRunPoster poster_;
};

}  // namespace qp
