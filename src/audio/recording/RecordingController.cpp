#include "audio/recording/RecordingController.h"

#include "audio/device/BufferSizing.h"
#include "audio/editing/NoteEditor.h"
#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp {

RecordingController::RecordingController(const RecorderServices& services, AudioWindow& window,
                                         RecorderOptions options)
    : ui_(services.ui),
      window_(window),
      session_(services,
               {.buffers = BufferSizing::kMainRecorderBuffers,
                .bufferBytes = &BufferSizing::mainRecorderBufferBytes,
                .stopWaitMs = 5000,
                .lateStopTrace = "recording thread did not end within 5 s; waiting on"},
               std::move(options)) {
  applyPreferences();
}

void RecordingController::applyPreferences() {
  sampleRate_ = session_.qualitySampleRate();
}

bool RecordingController::startRecording() {
  if (session_.running()) {
    return false;
  }
  session_.begin();
  notePath_.clear();
  lastNotePath_.clear();
  window_.setGraphPaused(false);
  window_.showSilkvoice(session_.takeSilkvoiceSetting());
  editing_ = editor_ != nullptr && editor_->editMode();
  recordRate_ = sampleRate_;
  if (editing_ && !editor_->openForRecording(recordRate_)) {
    stopRecording();  // the editor has shown why
    return false;
  }
  const WaveFormat format = WaveFormat::pcm(1, recordRate_, 16);
  notePath_ = editing_ ? editor_->newFilePath() : window_.newNotePath();
  if (!session_.openNote(notePath_, format)) {
    return fail(StringId::kCannotOpenNote);
  }
  if (!session_.openDevice(format)) {
    return fail(StringId::kCannotOpenMicrophone);
  }
  if (editing_ && !editor_->copyHead(*session_.writer())) {
    return fail(StringId::kDiskFull);
  }
  window_.skinEvent(kSkinRecordStart, 0);
  window_.recorderStateChanged(true);
  startThread();
  return true;
}

bool RecordingController::fail(int messageId) {
  ui_.showMessage(StringTable::active().text(messageId));
  stopRecording();
  return false;
}

void RecordingController::startThread() {
  CaptureRun run;
  run.window = &window_;
  run.sampleRate = recordRate_;
  session_.startThread(
      std::move(run), [this] { onSilenceAlert(); }, [this] { stopRecording(); });
}

void RecordingController::stopRecording() {
  if (!session_.end()) {
    return;
  }
  if (stopPlayback_) {
    stopPlayback_();
  }
  window_.skinEvent(kSkinRecordStop, 0);
  window_.recorderStateChanged(false);
  // Whether or not the recording is kept, the user learns why it stopped.
  reportWriteProblem();
  const bool keep = session_.flags().bytesCaptured.load() > recordRate_;
  if (editing_) {
    finishEdit(keep);
    if (keep) {
      return;
    }
  } else {
    lastNotePath_ = session_.fileNote(notePath_, keep);
  }
  window_.refreshNoteList(lastNotePath_);
}

void RecordingController::reportWriteProblem() {
  const CaptureSession::WriteProblem problem = session_.writeProblem();
  if (problem == CaptureSession::WriteProblem::DiskFull) {
    ui_.showMessage(StringTable::active().text(StringId::kDiskFull));
  } else if (problem == CaptureSession::WriteProblem::NoteFull) {
    ui_.showMessage(StringTable::active().text(StringId::kNoteFull));
  }
}

void RecordingController::finishEdit(bool keep) {
  editing_ = false;
  if (!keep) {
    editor_->abandonEdit();
    session_.fileNote(notePath_, false);
    return;
  }
  editor_->completeEdit(*session_.writer());
  session_.closeWriter();
  window_.refreshNoteDisplay();
}

void RecordingController::onSilenceAlert() {
  ++silenceAlerts_;
  if (session_.checkForSilence()) {
    stopRecording();
  }
}

bool RecordingController::togglePause() {
  const bool paused = !session_.flags().paused.load();
  session_.flags().paused.store(paused);
  window_.setGraphPaused(paused);
  window_.showTimeText(paused ? StringTable::active().text(StringId::kPaused) : std::string());
  window_.skinEvent(kSkinPause, paused ? 1 : 0);
  return paused;
}

bool RecordingController::toggleSilkvoice() {
  const bool on = !session_.flags().silkvoiceOn.load();
  session_.flags().silkvoiceOn.store(on);
  window_.showSilkvoice(on);
  return on;
}

}  // namespace qp
