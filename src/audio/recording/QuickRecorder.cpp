#include "audio/recording/QuickRecorder.h"

#include <cstdio>

#include "audio/device/BufferSizing.h"
#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp {

QuickRecorder::QuickRecorder(const RecorderServices& services, QuickRecordWindow& window,
                             RecorderOptions options)
    : ui_(services.ui),
      window_(window),
      settings_(services.settings),
      session_(services,
               {.buffers = BufferSizing::kQuickRecorderBuffers,
                .bufferBytes = &BufferSizing::quickRecorderBufferBytes,
                .stopWaitMs = 3000,
                .lateStopTrace = "quick-record thread did not end within 3 s; waiting on"},
               std::move(options)) {}

bool QuickRecorder::startQuickRecording() {
  if (session_.running() || window_.mainWindowBusy()) {
    return false;
  }
  session_.begin();
  lastNotePath_.clear();
  sampleRate_ = session_.qualitySampleRate();
  const WaveFormat format = WaveFormat::pcm(1, sampleRate_, 16);
  const std::string folder = settings_.readText("DefFolder", "");
  notePath_ = window_.newNotePath();
  if (!session_.openNote(notePath_, format)) {
    return fail(StringId::kCannotOpenNote);
  }
  if (!session_.openDevice(format)) {
    return fail(StringId::kCannotOpenMicrophone);
  }
  // Read here rather than on the thread: the settings are the UI thread's.
  session_.takeSilkvoiceSetting();
  startThread(folder);
  return true;
}

bool QuickRecorder::fail(int messageId) {
  ui_.showMessage(StringTable::active().text(messageId));
  stopQuickRecording();
  return false;
}

void QuickRecorder::startThread(const std::string& folder) {
  CaptureRun run;
  run.sampleRate = sampleRate_;
  run.showQuickTime = [&window = window_, folder](int seconds) {
    char text[256];
    std::snprintf(text, sizeof text, "%s - %i:%02i", folder.c_str(), seconds / 60, seconds % 60);
    window.showTime(text);
    const bool held = window.buttonsHeld();
    window.refreshTrayIcon();
    return held;
  };
  session_.startThread(
      std::move(run), [this] { onSilenceAlert(); }, [this] { stopQuickRecording(); });
}

void QuickRecorder::stopQuickRecording() {
  if (!session_.end()) {
    return;
  }
  const CaptureSession::WriteProblem problem = session_.writeProblem();
  const bool failed = problem == CaptureSession::WriteProblem::DiskFull;
  const bool full = problem == CaptureSession::WriteProblem::NoteFull;
  session_.closeWriter();
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
  const bool keep = session_.flags().bytesCaptured.load() >= sampleRate_;
  lastNotePath_ = session_.fileNote(notePath_, keep, [this] { suppressClick_ = true; });
  notePath_.clear();
}

void QuickRecorder::onSilenceAlert() {
  if (session_.checkForSilence()) {
    stopQuickRecording();
  }
}

}  // namespace qp
