#include "audio/recording/CaptureSession.h"

#include <utility>

#include "audio/editing/NoteReplacement.h"
#include "audio/wave/NoteMetrics.h"
#include "common/DiagnosticTrace.h"

namespace qp {

CaptureSession::CaptureSession(const RecorderServices& services, const Profile& profile,
                               RecorderOptions options)
    : services_(services), profile_(profile), options_(std::move(options)), poster_(services.ui) {}

CaptureSession::~CaptureSession() {
  poster_.close();
  flags_.run.store(false);
  thread_.join();
}

std::uint32_t CaptureSession::qualitySampleRate() const {
  return NoteMetrics::qualitySampleRate(services_.settings.readNumber("Quality", 2));
}

bool CaptureSession::takeSilkvoiceSetting() {
  flags_.silkvoiceOn.store(services_.settings.readNumber("Silkvoice", 1) != 0);
  return flags_.silkvoiceOn.load();
}

bool CaptureSession::checkForSilence() const {
  return services_.settings.readNumber("CheckForSilence", 1) != 0;
}

void CaptureSession::begin() {
  running_ = true;
  flags_.bytesCaptured.store(0);
  flags_.allSilent.store(true);
  flags_.timedOut.store(false);
  flags_.paused.store(false);
}

bool CaptureSession::openNote(const std::string& path, const WaveFormat& format) {
  writer_.reset();
  writer_ = options_.makeWriter();
  return writer_->open(path, format);
}

bool CaptureSession::openDevice(const WaveFormat& format) {
  device_.reset();
  device_ = std::make_unique<CaptureDevice>(services_.backend);
  device_->setBufferCount(profile_.buffers);
  device_->configure(format, profile_.bufferBytes(format.nSamplesPerSec));
  return device_->open(format);
}

void CaptureSession::startThread(CaptureRun run, std::function<void()> onSilenceAlert,
                                 std::function<void()> onEndedItself) {
  poster_.beginRun();
  run.device = device_.get();
  run.writer = writer_.get();
  run.filter = &filter_;
  run.flags = &flags_;
  run.setLimits(options_);
  run.silenceAlert = poster_.reporter(std::move(onSilenceAlert));
  run.endedItself = [ended = poster_.reporter(std::move(onEndedItself))](CaptureEnd) { ended(); };
  flags_.run.store(true);
  thread_.start([run = std::move(run)]() mutable { CaptureLoop(std::move(run)).run(); });
}

bool CaptureSession::end() {
  if (!running_) {
    return false;
  }
  running_ = false;
  endThread();
  return true;
}

void CaptureSession::endThread() {
  flags_.run.store(false);
  if (thread_.exists() && !thread_.waitFor(profile_.stopWaitMs)) {
    diagnosticTrace(profile_.lateStopTrace);
  }
  thread_.join();
}

CaptureSession::WriteProblem CaptureSession::writeProblem() const {
  if (writer_ == nullptr) {
    return WriteProblem::None;
  }
  if (writer_->failed()) {
    return WriteProblem::DiskFull;
  }
  if (writer_->full() || writer_->dataBytes() >= options_.maxDataBytes) {
    return WriteProblem::NoteFull;
  }
  return WriteProblem::None;
}

void CaptureSession::closeWriter() {
  if (writer_ != nullptr) {
    writer_->close();
  }
  writer_.reset();
}

std::string CaptureSession::fileNote(const std::string& path, bool keep,
                                     const std::function<void()>& onSilent) {
  closeWriter();
  if (!keep) {
    NoteReplacement::removeWritten(path);
    return {};
  }
  if (flags_.allSilent.load() && checkForSilence()) {
    NoteReplacement::removeWritten(path);
    if (onSilent) {
      onSilent();
    }
    services_.noAudio.show();
    return {};
  }
  return services_.filer.file(path);
}

}  // namespace qp
