#include "audio/playback/PlaybackController.h"

#include <algorithm>

#include "audio/device/BufferSizing.h"
#include "audio/playback/PlaybackWorker.h"
#include "common/DiagnosticTrace.h"
#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp {

PlaybackController::PlaybackController(AudioBackend& backend, UiServices& ui, AudioWindow& window)
    : backend_(backend), ui_(ui), window_(window) {}

PlaybackController::~PlaybackController() {
  *alive_ = false;
  flags_.run.store(false);
  thread_.join();
}

void PlaybackController::setSpeed(int position) {
  flags_.speed.store(std::clamp(position, -19, 19));
}

bool PlaybackController::togglePause() {
  setPaused(!flags_.paused.load());
  return flags_.paused.load();
}

void PlaybackController::setPaused(bool paused) {
  flags_.paused.store(paused);
  window_.setGraphPaused(paused);
  window_.showTimeText(paused ? StringTable::active().text(StringId::kPaused) : std::string());
  window_.skinEvent(kSkinPause, paused ? 1 : 0);
}

void PlaybackController::play() {
  if (isRecording_ && isRecording_()) {
    return;
  }
  if (playing_) {
    playAgain_ = true;
    stopControl();
    return;
  }
  playSelected();
}

void PlaybackController::playSelected() {
  const std::vector<std::size_t> selected = window_.selectedNotes();
  if (selected.empty()) {
    return;
  }
  if (selected.size() == 1) {
    if (startPlayback(window_.notePath(selected[0]), window_.noteDisplayName(selected[0]))) {
      window_.playerStateChanged(true);
    }
    return;
  }
  severalSelected_ = true;
  nextInSequence();
}

void PlaybackController::playAll(bool scan) {
  if (scan) {
    scan_ = true;
  }
  severalSelected_ = false;
  nextInSequence();
}

bool PlaybackController::startPlayback(const std::string& path, const std::string& displayName) {
  if (playing_) {
    return false;
  }
  playing_ = true;
  flags_.goToStart.store(false);
  if (!flags_.inSequence.load()) {
    flags_.paused.store(false);
    window_.setGraphPaused(false);
  }
  reader_ = std::make_unique<WaveFileReader>();
  if (!reader_->open(path)) {
    failStart(StringId::kCannotOpenNote);
    return false;
  }
  if (reader_->format().wBitsPerSample != 16 || reader_->format().nChannels == 0 ||
      reader_->format().nChannels > 2) {
    failStart(StringId::kOnly16BitPlayback);
    return false;
  }
  noteName_ = displayName;
  const WaveFormat format =
      WaveFormat::pcm(reader_->format().nChannels, reader_->format().nSamplesPerSec, 16);
  const std::uint32_t chunk =
      BufferSizing::playbackChunkBytes(format.nSamplesPerSec, format.nChannels);
  device_.reset();
  device_ = std::make_unique<PlaybackDevice>(backend_);
  device_->setBufferCount(PlaybackWorker::kRingBuffers);
  device_->configure(format, 2 * chunk);
  if (!device_->open(format)) {
    failStart(StringId::kCannotOpenSpeakers);
    return false;
  }
  device_->resetEvent();
  window_.skinEvent(kSkinPlayStart, 0);
  const unsigned generation = ++generation_;
  std::weak_ptr<bool> alive = alive_;
  PlaybackRun run;
  run.reader = reader_.get();
  run.device = device_.get();
  run.window = &window_;
  run.flags = &flags_;
  run.format = format;
  run.chunkBytes = chunk;
  run.selection = window_.graphSelection();
  run.scan = scan_;
  run.finished = [this, &ui = ui_, alive, generation] {
    ui.postToUi([this, alive, generation] {
      if (alive.lock() != nullptr) {
        onFinished(generation);
      }
    });
  };
  flags_.run.store(true);
  thread_.start([run = std::move(run)]() mutable { PlaybackWorker(std::move(run)).run(); });
  return true;
}

void PlaybackController::failStart(int messageId) {
  ui_.showMessage(StringTable::active().text(messageId));
  stopPlayback(true);
}

void PlaybackController::stopPlayback(bool wait) {
  if (!playing_) {
    return;
  }
  if (wait) {
    flags_.run.store(false);
    if (!thread_.waitFor(kStopWaitMs)) {
      diagnosticTrace("playback thread did not end within 5 s; waiting on");
    }
  }
  thread_.join();
  playing_ = false;
  window_.skinEvent(kSkinPlayStop, 0);
  reader_.reset();
  device_.reset();
  if (flags_.inSequence.load()) {
    nextInSequence();
    return;
  }
  scan_ = false;
  window_.refreshNoteDisplay();
  window_.playerStateChanged(false);
}

void PlaybackController::onFinished(unsigned generation) {
  if (generation == generation_ && playing_) {
    stopPlayback(false);
  }
  if (playAgain_) {
    playAgain_ = false;
    playSelected();
  }
}

void PlaybackController::stopControl() {
  flags_.inSequence.store(false);
  stopPlayback(true);
}

void PlaybackController::skip() {
  flags_.run.store(false);
  if (flags_.paused.load()) {
    setPaused(false);
  }
}

void PlaybackController::previous() {
  stepBack_ = true;
  skip();
}

std::size_t PlaybackController::sequenceLength() const {
  return severalSelected_ ? sequenceList_.size() : window_.noteCount();
}

std::size_t PlaybackController::sequenceNote() const {
  return severalSelected_ ? sequenceList_[sequencePosition_] : sequencePosition_;
}

void PlaybackController::nextInSequence() {
  if (!flags_.inSequence.load()) {
    stepBack_ = false;
    flags_.paused.store(false);
    window_.setGraphPaused(false);
    if (severalSelected_) {
      sequenceList_ = window_.selectedNotes();
    }
    sequencePosition_ = 0;
    if (sequenceLength() == 0) {
      return;
    }
    flags_.inSequence.store(true);
    playedInPass_ = false;
    window_.playerStateChanged(true);
    playSequenceNote();
    return;
  }
  if (stepBack_) {
    stepBack_ = false;
    sequencePosition_ = sequencePosition_ > 0 ? sequencePosition_ - 1 : 0;
  } else {
    ++sequencePosition_;
  }
  if (sequencePosition_ >= sequenceLength()) {
    endSequence();
    return;
  }
  playSequenceNote();
}

void PlaybackController::playSequenceNote() {
  const std::size_t note = sequenceNote();
  window_.selectOnly(note);
  window_.refreshNoteDisplay();
  if (startPlayback(window_.notePath(note), window_.noteDisplayName(note))) {
    playedInPass_ = true;
  }
}

void PlaybackController::endSequence() {
  if (severalSelected_) {
    window_.reselect(sequenceList_);
  }
  flags_.inSequence.store(false);
  window_.playerStateChanged(false);
  // A pass in which no note could be played is not repeated: that would loop forever.
  if (flags_.continuous.load() && sequenceLength() > 0 && playedInPass_) {
    nextInSequence();
    return;
  }
  scan_ = false;
  severalSelected_ = false;
  window_.refreshNoteDisplay();
}

}  // namespace qp
