#include "audio/recording/CaptureLoop.h"

#include <algorithm>
#include <cstring>

#include "common/DiagnosticTrace.h"
#include "common/LittleEndian.h"

namespace qp {

void CaptureLoop::run() {
  const bool quick = run_.window == nullptr;
  graph_ = quick ? nullptr : run_.window->graph();
  if (graph_ != nullptr) {
    graph_->prepare(run_.writer->format(), run_.device->bufferSize() / 2, 10.0, true, true);
  }
  flags_.allSilent.store(true);
  if (!showTime(0)) {
    end_ = CaptureEnd::ButtonsReleased;
  } else if (!run_.device->queueAll() || !run_.device->start()) {
    end_ = CaptureEnd::StartFailed;
  } else {
    run_.filter->Configure(run_.sampleRate, 16, 1);
    for (int index = 0; flags_.run.load();
         index = (index + 1) % std::max(run_.device->count(), 1)) {
      AudioBuffer& buffer = *run_.device->buffer(index);
      if (!awaitBuffer(buffer)) {
        break;
      }
      run_.device->unprepare(buffer);
      const std::uint32_t bytes = buffer.bytesRecorded();
      flags_.bytesCaptured.fetch_add(bytes);
      scanForSound(buffer, bytes);
      const bool more = consume(buffer, bytes);
      run_.device->prepare(buffer);
      run_.device->add(buffer);
      if (!more) {
        break;
      }
    }
  }
  run_.device->stop();
  run_.device->reset();
  run_.device->close();
  if (end_ != CaptureEnd::Stopped && run_.endedItself) {
    run_.endedItself(end_);
  }
}

bool CaptureLoop::awaitBuffer(AudioBuffer& buffer) {
  int timeouts = 0;
  while (!buffer.done()) {
    if (run_.device->wait(run_.bufferWaitMs) == WAIT_TIMEOUT && !buffer.done() &&
        ++timeouts == run_.waitLimit) {
      end_ = CaptureEnd::TimedOut;
      flags_.timedOut.store(true);
      diagnosticTrace("The microphone stopped delivering sound; the recording was ended.");
      return false;
    }
    if (!flags_.run.load()) {
      return false;
    }
  }
  return true;
}

void CaptureLoop::scanForSound(const AudioBuffer& buffer, std::uint32_t bytes) {
  if (!flags_.allSilent.load()) {
    return;
  }
  const std::uint8_t* data = buffer.data();
  for (std::uint32_t i = 0; i + 1 < bytes; i += 2) {
    const auto sample = static_cast<std::int16_t>(getLe16(data + i));
    if (sample >= CaptureRun::kSilenceThreshold) {
      flags_.allSilent.store(false);
      return;
    }
  }
}

bool CaptureLoop::consume(AudioBuffer& buffer, std::uint32_t bytes) {
  if (flags_.paused.load()) {
    if (run_.window != nullptr) {
      run_.window->clearLevel();
    }
    return true;
  }
  std::uint32_t n = bytes & ~1u;
  if (flags_.silkvoiceOn.load()) {
    n = run_.filter->Process(buffer.data(), n);
  }
  const std::uint64_t seconds = (totalSamples_ + n / 2) / run_.sampleRate;
  totalSamples_ += n / 2;
  if (seconds != lastSecond_) {
    lastSecond_ = seconds;
    if (!showTime(static_cast<int>(seconds))) {
      end_ = CaptureEnd::ButtonsReleased;
    }
    if (seconds == CaptureRun::kSilenceAlertSeconds && flags_.allSilent.load() &&
        run_.silenceAlert) {
      run_.silenceAlert();
    }
  }
  if (n > 0) {
    const auto* samples = reinterpret_cast<const std::int16_t*>(buffer.data());
    if (graph_ != nullptr) {
      column_ = graph_->addForward(samples, n / 2, column_, WaveformGraphFeed::kPen,
                                   WaveformGraphFeed::kGain);
    }
    if (run_.window != nullptr) {
      run_.window->levelBlock(samples, n / 2);
    }
    if (!write(buffer.data(), n)) {
      return false;
    }
  }
  return end_ == CaptureEnd::Stopped;
}

bool CaptureLoop::write(const std::uint8_t* data, std::uint32_t bytes) {
  WaveFileWriter& writer = *run_.writer;
  std::uint64_t room =
      run_.maxDataBytes > writer.dataBytes() ? run_.maxDataBytes - writer.dataBytes() : 0;
  const bool limited = run_.stopAfterBytes != 0 && run_.stopAfterBytes - recorded_ <= room;
  if (limited) {
    room = run_.stopAfterBytes - recorded_;
  }
  const auto take = static_cast<std::uint32_t>(std::min<std::uint64_t>(bytes, room));
  const std::uint32_t written = writer.write(data, take);
  recorded_ += written;
  if (written != take || writer.failed()) {
    end_ = CaptureEnd::WriteFailed;
    return false;
  }
  if (limited && recorded_ >= run_.stopAfterBytes) {
    end_ = CaptureEnd::LimitReached;
    return false;
  }
  if (writer.dataBytes() >= run_.maxDataBytes || writer.full()) {
    end_ = CaptureEnd::NoteFull;
    return false;
  }
  return true;
}

bool CaptureLoop::showTime(int seconds) {
  if (run_.window != nullptr) {
    run_.window->showTime(seconds);
    return true;
  }
  return !run_.showQuickTime || run_.showQuickTime(seconds);
}

}  // namespace qp
