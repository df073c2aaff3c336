#include "audio/recording/RecordingController.h"

#include <cstdio>

#include "audio/device/BufferSizing.h"
#include "audio/editing/NoteReplacement.h"
#include "audio/wave/NoteMetrics.h"
#include "common/DiagnosticTrace.h"
#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp {

RecordingController::RecordingController(AudioBackend& backend, UiServices& ui, AudioWindow& window,
                                         SettingsStore& settings, RecordingDestination& filer,
                                         NoAudioDialog& noAudio, RecorderOptions options)
    : backend_(backend),
      ui_(ui),
      window_(window),
      settings_(settings),
      filer_(filer),
      noAudio_(noAudio),
      options_(std::move(options)) {
  applyPreferences();
}

RecordingController::~RecordingController() {
  *alive_ = false;
  flags_.run.store(false);
  thread_.join();
}

void RecordingController::applyPreferences() {
  sampleRate_ = NoteMetrics::qualitySampleRate(settings_.readNumber("Quality", 2));
}

bool RecordingController::startRecording() {
  if (recording_) {
    return false;
  }
  flags_.bytesCaptured.store(0);
  flags_.allSilent.store(true);
  recording_ = true;
  notePath_.clear();
  lastNotePath_.clear();
  flags_.paused.store(false);
  window_.setGraphPaused(false);
  flags_.silkvoiceOn.store(settings_.readNumber("Silkvoice", 1) != 0);
  window_.showSilkvoice(flags_.silkvoiceOn.load());
  editing_ = editor_ != nullptr && editor_->editMode();
  recordRate_ = sampleRate_;
  if (editing_ && !editor_->openForRecording(recordRate_)) {
    stopRecording();  // the editor has shown why
    return false;
  }
  const WaveFormat format = WaveFormat::pcm(1, recordRate_, 16);
  writer_.reset();
  notePath_ = editing_ ? editor_->newFilePath() : window_.newNotePath();
  writer_ = options_.makeWriter();
  if (!writer_->open(notePath_, format)) {
    return fail(StringId::kCannotOpenNote);
  }
  if (!openDevice(format)) {
    return fail(StringId::kCannotOpenMicrophone);
  }
  if (editing_ && !editor_->copyHead(*writer_)) {
    return fail(StringId::kDiskFull);
  }
  window_.skinEvent(kSkinRecordStart, 0);
  window_.recorderStateChanged(true);
  startThread();
  return true;
}

bool RecordingController::openDevice(const WaveFormat& format) {
  device_.reset();
  device_ = std::make_unique<CaptureDevice>(backend_);
  device_->setBufferCount(kBuffers);
  device_->configure(format, BufferSizing::mainRecorderBufferBytes(format.nSamplesPerSec));
  return device_->open(format);
}

bool RecordingController::fail(int messageId) {
  ui_.showMessage(StringTable::active().text(messageId));
  stopRecording();
  return false;
}

void RecordingController::startThread() {
  const unsigned generation = ++generation_;
  const std::weak_ptr<bool> alive = alive_;
  const auto post = [&ui = ui_, this, alive, generation](void (RecordingController::*action)()) {
    ui.postToUi([this, alive, generation, action] {
      if (alive.lock() != nullptr && generation == generation_) {
        (this->*action)();
      }
    });
  };
  CaptureRun run;
  run.device = device_.get();
  run.writer = writer_.get();
  run.filter = &filter_;
  run.flags = &flags_;
  run.window = &window_;
  run.sampleRate = recordRate_;
  run.setLimits(options_);
  run.silenceAlert = [post] { post(&RecordingController::onSilenceAlert); };
  run.endedItself = [post](CaptureEnd) { post(&RecordingController::stopRecording); };
  flags_.run.store(true);
  thread_.start([run = std::move(run)]() mutable { CaptureLoop(std::move(run)).run(); });
}

void RecordingController::stopRecording() {
  if (!recording_) {
    return;
  }
  recording_ = false;
  flags_.run.store(false);
  if (thread_.exists() && !thread_.waitFor(kStopWaitMs)) {
    diagnosticTrace("recording thread did not end within 5 s; waiting on");
  }
  thread_.join();
  if (stopPlayback_) {
    stopPlayback_();
  }
  window_.skinEvent(kSkinRecordStop, 0);
  window_.recorderStateChanged(false);
  // Whether or not the recording is kept, the user learns why it stopped.
  reportWriteProblem();
  const bool keep = flags_.bytesCaptured.load() > recordRate_;
  if (editing_) {
    finishEdit(keep);
    if (keep) {
      return;
    }
  } else if (keep) {
    finishNote();
  } else {
    writer_.reset();
    NoteReplacement::removeWritten(notePath_);
  }
  window_.refreshNoteList(lastNotePath_);
}

void RecordingController::reportWriteProblem() {
  if (writer_ != nullptr && writer_->failed()) {
    ui_.showMessage(StringTable::active().text(StringId::kDiskFull));
  } else if (writer_ != nullptr &&
             (writer_->full() || writer_->dataBytes() >= options_.maxDataBytes)) {
    ui_.showMessage(StringTable::active().text(StringId::kNoteFull));
  }
}

void RecordingController::finishEdit(bool keep) {
  editing_ = false;
  if (!keep) {
    editor_->abandonEdit();
    writer_.reset();
    NoteReplacement::removeWritten(notePath_);
    return;
  }
  editor_->completeEdit(*writer_);
  writer_.reset();
  window_.refreshNoteDisplay();
}

void RecordingController::finishNote() {
  writer_->close();
  writer_.reset();
  if (flags_.allSilent.load() && settings_.readNumber("CheckForSilence", 1) != 0) {
    NoteReplacement::removeWritten(notePath_);
    noAudio_.show();
    return;
  }
  lastNotePath_ = filer_.file(notePath_);
}

void RecordingController::onSilenceAlert() {
  ++silenceAlerts_;
  if (settings_.readNumber("CheckForSilence", 1) != 0) {
    stopRecording();
  }
}

bool RecordingController::togglePause() {
  const bool paused = !flags_.paused.load();
  flags_.paused.store(paused);
  window_.setGraphPaused(paused);
  window_.showTimeText(paused ? StringTable::active().text(StringId::kPaused) : std::string());
  window_.skinEvent(kSkinPause, paused ? 1 : 0);
  return paused;
}

bool RecordingController::toggleSilkvoice() {
  const bool on = !flags_.silkvoiceOn.load();
  flags_.silkvoiceOn.store(on);
  window_.showSilkvoice(on);
  return on;
}

}  // namespace qp
