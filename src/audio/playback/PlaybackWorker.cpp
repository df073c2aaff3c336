#include "audio/playback/PlaybackWorker.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "common/DiagnosticTrace.h"

namespace qp {
namespace {

std::uint32_t framesOf(std::uint32_t bytes, std::uint16_t channels) {
  return bytes / (2u * channels);
}

}  // namespace

PlaybackWorker::PlaybackWorker(PlaybackRun run)
    : run_(std::move(run)),
      flags_(*run_.flags),
      channels_(std::max<std::uint16_t>(run_.format.nChannels, 1)),
      read_(run_.chunkBytes / 2 + 1),
      processed_(run_.chunkBytes + 2),
      delay_(framesOf(run_.chunkBytes, channels_)),
      speed_(run_.format.nSamplesPerSec, channels_, framesOf(run_.chunkBytes, channels_)) {}

void PlaybackWorker::run() {
  setUp();
  prime();
  while (flags_.run.load() && pass()) {
  }
  drain();
  run_.device->reset();
  run_.device->close();
  flags_.run.store(false);
  if (run_.finished) {
    run_.finished();
  }
}

void PlaybackWorker::setUp() {
  bytesPerSecond_ = channels_ * run_.format.nSamplesPerSec * 2;
  dataSize_ = run_.reader->dataSize();
  graph_ = run_.window->graph();
  const double duration = static_cast<double>(dataSize_) / bytesPerSecond_;
  if (graph_ != nullptr) {
    graph_->prepare(run_.format, run_.chunkBytes / (2u * channels_), duration, false, false);
    graph_->saveCleanCopy();
  }
  range_ =
      PlaybackRange::compute(dataSize_, run_.format.nSamplesPerSec, channels_, graph_ != nullptr,
                             graph_ != nullptr ? graph_->width() : 0, run_.selection, run_.scan);
  if (range_.start > 0) {
    run_.reader->startDataRead(range_.start);
  }
  column_ = range_.startColumn;
  position_ = range_.start;
  lastShown_ = static_cast<long>(range_.span / bytesPerSecond_);
  run_.window->showTime(static_cast<int>(lastShown_));
}

void PlaybackWorker::prime() {
  std::vector<std::uint8_t> zeros(run_.chunkBytes, 0);
  for (int i = 0; i < kRingBuffers; ++i) {
    AudioBuffer* buffer = run_.device->buffer(i);
    if (buffer == nullptr || !run_.device->unprepare(*buffer)) {
      break;
    }
    std::memcpy(buffer->data(), zeros.data(), zeros.size());
    buffer->setLength(run_.chunkBytes);
    run_.device->prepare(*buffer);
    if (!run_.device->write(*buffer)) {
      loseSink();
      return;
    }
    lastWritten_ = i;
  }
  index_ = 0;
}

bool PlaybackWorker::pass() {
  if (flags_.paused.load()) {
    std::fill(read_.begin(), read_.end(), 0);
    run_.window->clearLevel();
    const std::uint32_t frames = framesOf(run_.chunkBytes, channels_);
    const std::uint32_t out = speed_.process(read_.data(), frames, flags_.fastForwardHold.load(),
                                             flags_.speed.load(), processed_.data());
    return output(processed_.data(), out * 2u * channels_);
  }
  applyRequests();
  std::uint32_t got = readChunk();
  if (got == 0 || flags_.goToStart.load()) {
    if (!restartIfContinuous(got)) {
      return false;
    }
  }
  position_ += got;
  chunkRead_ = true;
  if (!countDown()) {
    return false;
  }
  const std::uint32_t frames = framesOf(got, channels_);
  if (backwards_) {
    std::int16_t* s = read_.data();
    for (std::uint32_t a = 0, b = frames; a + 1 < b; ++a, --b) {
      for (int c = 0; c < channels_; ++c) {
        std::swap(s[a * channels_ + c], s[(b - 1) * channels_ + c]);
      }
    }
  }
  if (const GraphDelayLine::Chunk* late =
          delay_.push(read_.data(), frames, channels_, backwards_)) {
    feedGraph(*late);
  }
  const bool halve = flags_.fastForwardHold.load() || backwards_;
  const std::uint32_t out =
      speed_.process(read_.data(), frames, halve, flags_.speed.load(), processed_.data());
  return output(processed_.data(), out * 2u * channels_);
}

void PlaybackWorker::applyRequests() {
  backwards_ = false;
  const bool reverse = flags_.fastReverseHold.load();
  if (!flags_.jumpForward.load() && !flags_.jumpBack.load() && !flags_.goToStart.load() &&
      !reverse) {
    firstBackwards_ = true;
    return;
  }
  std::uint32_t position = position_;
  if (flags_.jumpForward.exchange(false)) {
    const std::uint32_t limit = range_.end.value_or(graphDataSize());
    position = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(std::uint64_t{position} + jumpBytes(), limit));
  } else if (flags_.jumpBack.exchange(false)) {
    if (!chunkRead_ && !range_.end) {
      position = graphDataSize() > jumpBytes() ? graphDataSize() - jumpBytes() : 0;
    } else {
      position = position >= range_.start + jumpBytes() ? position - jumpBytes() : range_.start;
    }
  } else if (reverse) {
    const std::uint32_t step = firstBackwards_ ? run_.chunkBytes : 2 * run_.chunkBytes;
    firstBackwards_ = false;
    if (position >= range_.start + step) {
      position -= step;
      backwards_ = true;
    } else {
      position = range_.start;
    }
  } else if (flags_.goToStart.exchange(false)) {
    position = 0;
  }
  jumpTo(position);
}

void PlaybackWorker::jumpTo(std::uint32_t position) {
  position_ = std::min(position & ~3u, dataSize_);
  run_.reader->startDataRead(position_);
  if (graph_ != nullptr && !backwards_) {
    const double fraction = dataSize_ > 0 ? static_cast<double>(position_) / dataSize_ : 0.0;
    column_ = PlaybackRange::columnOf(graph_->width(), fraction);
    graph_->restoreCleanCopy();
    delay_.clear();
  }
}

std::uint32_t PlaybackWorker::readChunk() {
  std::uint32_t want = run_.chunkBytes;
  if (range_.end) {
    want = *range_.end > position_ ? std::min(want, *range_.end - position_) : 0;
  }
  return want == 0 ? 0 : run_.reader->read(read_.data(), want);
}

bool PlaybackWorker::restartIfContinuous(std::uint32_t& got) {
  if (!flags_.continuous.load() || flags_.inSequence.load()) {
    return false;
  }
  run_.reader->startDataRead(range_.start);
  position_ = range_.start;
  column_ = range_.startColumn;
  if (graph_ != nullptr) {
    graph_->restoreCleanCopy();
  }
  delay_.clear();
  backwards_ = false;
  got = readChunk();
  lastShown_ = static_cast<long>(range_.span / bytesPerSecond_);
  run_.window->showTime(static_cast<int>(lastShown_));
  return got > 0;
}

bool PlaybackWorker::countDown() {
  const std::int64_t left =
      std::int64_t{range_.start} + std::int64_t{range_.span} - std::int64_t{position_};
  const long remaining = static_cast<long>(left / std::int64_t{bytesPerSecond_});
  if (remaining != lastShown_) {
    if (run_.scan && remaining < 0) {
      return false;
    }
    lastShown_ = remaining;
    run_.window->showTime(static_cast<int>(remaining));
  }
  return true;
}

void PlaybackWorker::feedGraph(const GraphDelayLine::Chunk& chunk) {
  const auto count = static_cast<std::uint32_t>(chunk.samples.size());
  if (graph_ != nullptr) {
    column_ = chunk.backwards
                  ? graph_->addBackward(chunk.samples.data(), count, column_,
                                        WaveformGraphFeed::kPen, WaveformGraphFeed::kGain)
                  : graph_->addForward(chunk.samples.data(), count, column_,
                                       WaveformGraphFeed::kPen, WaveformGraphFeed::kGain);
  }
  run_.window->levelBlock(chunk.samples.data(), count);
}

bool PlaybackWorker::awaitFree(AudioBuffer& buffer) {
  if (flags_.sinkLost.load()) {
    return false;
  }
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(run_.sinkLostMs);
  while (!run_.device->unprepare(buffer)) {
    if (!flags_.run.load()) {
      return false;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      loseSink();
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

bool PlaybackWorker::output(const std::int16_t* samples, std::uint32_t bytes) {
  AudioBuffer& buffer = *run_.device->buffer(index_);
  if (!awaitFree(buffer)) {
    return false;
  }
  bytes = std::min(bytes, buffer.capacity());
  std::memcpy(buffer.data(), samples, bytes);
  buffer.setLength(bytes);
  run_.device->prepare(buffer);
  if (!run_.device->write(buffer)) {
    // The port hands a refused buffer back at once; playing on would race through the note.
    loseSink();
    return false;
  }
  lastWritten_ = index_;
  index_ = (index_ + 1) % kRingBuffers;
  return true;
}

void PlaybackWorker::loseSink() {
  flags_.sinkLost.store(true);
  diagnosticTrace("The speakers stopped taking sound; playback was ended.");
}

void PlaybackWorker::drain() {
  if (lastWritten_ < 0) {
    return;
  }
  for (int step = 0; step < kRingBuffers && flags_.run.load(); ++step) {
    const int i = (index_ + step) % kRingBuffers;
    if (const GraphDelayLine::Chunk* late = delay_.pop()) {
      feedGraph(*late);
    }
    if (!awaitFree(*run_.device->buffer(i)) || i == lastWritten_) {
      break;
    }
  }
}

}  // namespace qp
