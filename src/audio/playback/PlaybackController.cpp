#include "audio/playback/PlaybackController.h"

#include <algorithm>
#include <vector>

#include "audio/device/BufferSizing.h"
#include "audio/playback/PlaybackWorker.h"
#include "common/DiagnosticTrace.h"
#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp {

PlaybackController::PlaybackController(AudioBackend& backend, UiServices& ui, AudioWindow& window)
    : backend_(backend),
      ui_(ui),
      window_(window),
      sequence_(window, flags_,
                [this](std::size_t note) {
                  return startPlayback(window_.notePath(note), window_.noteDisplayName(note));
                }),
      poster_(ui) {}

PlaybackController::~PlaybackController() {
  poster_.close();
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
  sequence_.playSelection();
}

void PlaybackController::playAll(bool scan) {
  sequence_.playFolder(scan);
}

bool PlaybackController::startPlayback(const std::string& path, const std::string& displayName) {
  if (playing_) {
    return false;
  }
  playing_ = true;
  flags_.goToStart.store(false);
  flags_.sinkLost.store(false);
  if (!sequence_.active()) {
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
  if (!reader_->format().isNote()) {
    reader_->refuseFormat();
    failStart(StringId::kCannotOpenNote);
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
  poster_.beginRun();
  PlaybackRun run;
  run.reader = reader_.get();
  run.device = device_.get();
  run.window = &window_;
  run.flags = &flags_;
  run.format = format;
  run.chunkBytes = chunk;
  run.selection = window_.graphSelection();
  run.scan = sequence_.scanning();
  run.finished = poster_.reporterOfAnyRun([this](bool current) { onFinished(current); });
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
  if (sequence_.active()) {
    sequence_.next();
    return;
  }
  sequence_.endScan();
  window_.refreshNoteDisplay();
  window_.playerStateChanged(false);
}

void PlaybackController::onFinished(bool current) {
  if (current && flags_.sinkLost.load()) {
    // The sound server is gone: the other notes of a sequence would not be heard either.
    sinkLost_ = true;
    playAgain_ = false;
    sequence_.stop();
  }
  if (current && playing_) {
    stopPlayback(false);
  }
  if (playAgain_) {
    playAgain_ = false;
    playSelected();
  }
}

void PlaybackController::stopControl() {
  sequence_.stop();
  stopPlayback(true);
}

void PlaybackController::skip() {
  flags_.run.store(false);
  if (flags_.paused.load()) {
    setPaused(false);
  }
}

void PlaybackController::previous() {
  sequence_.stepBack();
  skip();
}

}  // namespace qp
