#include "audio/recording/QuickRecorder.h"

#include <cstdio>

#include "audio/device/BufferSizing.h"
#include "audio/editing/NoteReplacement.h"
#include "audio/wave/NoteMetrics.h"
#include "common/DiagnosticTrace.h"
#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp {

QuickRecorder::QuickRecorder(AudioBackend& backend, UiServices& ui, QuickRecordWindow& window,
                             SettingsStore& settings, RecordingDestination& filer,
                             NoAudioDialog& noAudio, RecorderOptions options)
    : backend_(backend),
      ui_(ui),
      window_(window),
      settings_(settings),
      filer_(filer),
      noAudio_(noAudio),
      options_(std::move(options)) {}

QuickRecorder::~QuickRecorder() {
  *alive_ = false;
  flags_.run.store(false);
  thread_.join();
}

bool QuickRecorder::startQuickRecording() {
  if (recording_ || window_.mainWindowBusy()) {
    return false;
  }
  flags_.bytesCaptured.store(0);
  flags_.allSilent.store(true);
  flags_.paused.store(false);
  recording_ = true;
  lastNotePath_.clear();
  sampleRate_ = NoteMetrics::qualitySampleRate(settings_.readNumber("Quality", 2));
  const WaveFormat format = WaveFormat::pcm(1, sampleRate_, 16);
  const std::string folder = settings_.readText("DefFolder", "");
  notePath_ = window_.newNotePath();
  writer_ = options_.makeWriter();
  if (!writer_->open(notePath_, format)) {
    return fail(StringId::kCannotOpenNote);
  }
  device_.reset();
  device_ = std::make_unique<CaptureDevice>(backend_);
  device_->setBufferCount(kBuffers);
  device_->configure(format, BufferSizing::quickRecorderBufferBytes(sampleRate_));
  if (!device_->open(format)) {
    return fail(StringId::kCannotOpenMicrophone);
  }
  // Read here rather than on the thread: the settings are the UI thread's.
  flags_.silkvoiceOn.store(settings_.readNumber("Silkvoice", 1) != 0);
  startThread(folder);
  return true;
}

bool QuickRecorder::fail(int messageId) {
  ui_.showMessage(StringTable::active().text(messageId));
  stopQuickRecording();
  return false;
}

void QuickRecorder::startThread(const std::string& folder) {
  const unsigned generation = ++generation_;
  const std::weak_ptr<bool> alive = alive_;
  const auto post = [&ui = ui_, this, alive, generation](void (QuickRecorder::*action)()) {
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
  run.sampleRate = sampleRate_;
  run.setLimits(options_);
  run.showQuickTime = [&window = window_, folder](int seconds) {
    char text[256];
    std::snprintf(text, sizeof text, "%s - %i:%02i", folder.c_str(), seconds / 60, seconds % 60);
    window.showTime(text);
    const bool held = window.buttonsHeld();
    window.refreshTrayIcon();
    return held;
  };
  run.silenceAlert = [post] { post(&QuickRecorder::onSilenceAlert); };
  run.endedItself = [post](CaptureEnd) { post(&QuickRecorder::stopQuickRecording); };
  flags_.run.store(true);
  thread_.start([run = std::move(run)]() mutable { CaptureLoop(std::move(run)).run(); });
}

void QuickRecorder::stopQuickRecording() {
  if (!recording_) {
    return;
  }
  recording_ = false;
  flags_.run.store(false);
  if (thread_.exists() && !thread_.waitFor(kStopWaitMs)) {
    diagnosticTrace("quick-record thread did not end within 3 s; waiting on");
  }
  thread_.join();
  const bool failed = writer_ != nullptr && writer_->failed();
  const bool full = writer_ != nullptr && writer_->dataBytes() >= options_.maxDataBytes;
  if (writer_ != nullptr) {
    writer_->close();
  }
  writer_.reset();
  window_.hidePopup();
  window_.restoreTrayIcon();
  if (failed || full) {
    ui_.showMessage(StringTable::active().text(failed ? StringId::kDiskFull : StringId::kNoteFull));
  }
  finish();
}

void QuickRecorder::finish() {
  if (notePath_.empty()) {
    return;
  }
  if (flags_.bytesCaptured.load() < sampleRate_) {
    NoteReplacement::removeWritten(notePath_);
  } else if (flags_.allSilent.load() && settings_.readNumber("CheckForSilence", 1) != 0) {
    NoteReplacement::removeWritten(notePath_);
    suppressClick_ = true;
    noAudio_.show();
  } else {
    lastNotePath_ = filer_.file(notePath_);
  }
  notePath_.clear();
}

void QuickRecorder::onSilenceAlert() {
  if (settings_.readNumber("CheckForSilence", 1) != 0) {
    stopQuickRecording();
  }
}

}  // namespace qp
