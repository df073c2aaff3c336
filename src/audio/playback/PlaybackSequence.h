#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "audio/playback/PlaybackFlags.h"
#include "audio/window/AudioWindow.h"

namespace qp {

// The playing sequence: the selected notes, or every note of the folder, one after another,
// with a step back to the previous note, continuous play (the pass starts over) and the
// 3-second scan. It chooses the notes and keeps the window's selection; the controller plays
// each note and calls next() when one has ended.
//
// A note that cannot be played makes the controller call next() again from inside the
// sequence's own call to startNote. That call only notes the request, and the sequence moves
// on in a loop, so any number of unplayable notes in a row takes no more stack than one.
// UI thread only.
class PlaybackSequence {
 public:
  // Starts note `index` of the window's list; true when it plays. When it cannot be played
  // the controller calls next() (or not, when nothing was started at all) and returns false.
  using StartNote = std::function<bool(std::size_t index)>;

  // window and flags must outlive the sequence. The sequence owns flags.inSequence and reads
  // flags.continuous; it clears flags.paused when a sequence begins.
  PlaybackSequence(AudioWindow& window, PlaybackFlags& flags, StartNote startNote);

  // A sequence over the selected notes (taken when it begins).
  void playSelection();
  // A sequence over every note of the folder; scan plays the first 3 seconds of each (and
  // stays on until a sequence ends, or a playback outside a sequence stops).
  void playFolder(bool scan);
  // Begins the sequence when none runs, or moves to the next note (back one after
  // stepBack()); ends the pass after the last note and, with continuous play, begins
  // another when a note of this pass played.
  void next();
  // The next call of next() goes back one note instead (not before the first).
  void stepBack() { stepBack_ = true; }
  // Ends the sequence without another step (the stop control).
  void stop() { flags_.inSequence.store(false); }
  // Ends the scan (a playback outside a sequence stopped).
  void endScan() { scan_ = false; }

  bool active() const { return flags_.inSequence.load(); }
  bool scanning() const { return scan_; }

 private:
  // One step of next(): begins, moves on, or ends the pass.
  void step();
  void begin();
  void playNote();
  void endPass();
  std::size_t length() const;

  AudioWindow& window_;
  PlaybackFlags& flags_;
  StartNote startNote_;
  bool scan_ = false;
  bool overSelection_ = false;  // the selected notes, not the whole folder
  bool stepBack_ = false;
  bool playedInPass_ = false;  // a note of this pass started
  std::vector<std::size_t> selection_;
  std::size_t position_ = 0;
  bool stepping_ = false;   // next() is running its loop
  bool stepAgain_ = false;  // next() was asked for again meanwhile
};

}  // namespace qp
