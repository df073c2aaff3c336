#include "audio/playback/PlaybackSequence.h"

#include <utility>

namespace qp {

PlaybackSequence::PlaybackSequence(AudioWindow& window, PlaybackFlags& flags, StartNote startNote)
    : window_(window), flags_(flags), startNote_(std::move(startNote)) {}

void PlaybackSequence::playSelection() {
  overSelection_ = true;
  next();
}

void PlaybackSequence::playFolder(bool scan) {
  if (scan) {
    scan_ = true;
  }
  overSelection_ = false;
  next();
}

void PlaybackSequence::next() {
  if (stepping_) {
    stepAgain_ = true;
    return;
  }
  stepping_ = true;
  struct EndOfLoop {
    bool& stepping;
    ~EndOfLoop() { stepping = false; }
  } endOfLoop{stepping_};
  do {
    stepAgain_ = false;
    step();
  } while (stepAgain_);
}

void PlaybackSequence::step() {
  if (!flags_.inSequence.load()) {
    begin();
    return;
  }
  if (stepBack_) {
    stepBack_ = false;
    position_ = position_ > 0 ? position_ - 1 : 0;
  } else {
    ++position_;
  }
  if (position_ >= length()) {
    endPass();
    return;
  }
  playNote();
}

void PlaybackSequence::begin() {
  stepBack_ = false;
  flags_.paused.store(false);
  window_.setGraphPaused(false);
  if (overSelection_) {
    selection_ = window_.selectedNotes();
  }
  position_ = 0;
  if (length() == 0) {
    return;
  }
  flags_.inSequence.store(true);
  playedInPass_ = false;
  window_.playerStateChanged(true);
  playNote();
}

void PlaybackSequence::playNote() {
  const std::size_t note = overSelection_ ? selection_[position_] : position_;
  window_.selectOnly(note);
  window_.refreshNoteDisplay();
  if (startNote_(note)) {
    playedInPass_ = true;
  }
}

void PlaybackSequence::endPass() {
  if (overSelection_) {
    window_.reselect(selection_);
  }
  flags_.inSequence.store(false);
  window_.playerStateChanged(false);
  // A pass in which no note could be played is not repeated: that would loop forever.
  if (flags_.continuous.load() && length() > 0 && playedInPass_) {
    stepAgain_ = true;  // the loop of next() begins the next pass
    return;
  }
  scan_ = false;
  overSelection_ = false;
  window_.refreshNoteDisplay();
}

std::size_t PlaybackSequence::length() const {
  return overSelection_ ? selection_.size() : window_.noteCount();
}

}  // namespace qp
