#include "support/MemoryAudioBackend.h"

#include "audio/device/BufferQueue.h"

namespace qp::test {
namespace {

class MemoryInPort final : public WaveInPort {
 public:
  MemoryInPort(std::shared_ptr<MemoryAudioBackend::State> state, AudioEvent& completion)
      : state_(std::move(state)), queue_(completion) {}

  int prepare(AudioBuffer& buffer) override { return BufferQueue::prepare(buffer); }
  int unprepare(AudioBuffer& buffer) override {
    std::lock_guard lock(state_->mutex);
    ++state_->unprepareCalls;
    return BufferQueue::unprepare(buffer);
  }
  int add(AudioBuffer& buffer) override {
    const int result = queue_.enqueue(buffer);
    deliver();
    return result;
  }
  int start() override {
    started_ = true;
    deliver();
    return 0;
  }
  int stop() override {
    started_ = false;
    queue_.completePartial();
    return 0;
  }
  int reset() override {
    started_ = false;
    queue_.completeAll();
    return 0;
  }
  int close() override {
    std::lock_guard lock(state_->mutex);
    ++state_->closeCalls;
    return queue_.empty() ? 0 : WAVERR_STILLPLAYING;
  }

 private:
  void deliver() {
    std::lock_guard lock(state_->mutex);
    if (!started_ || state_->stallCapture) {
      return;
    }
    auto& source = state_->captureSource;
    while (!queue_.empty()) {
      if (state_->capturePosition < source.size()) {
        state_->capturePosition += queue_.fill(source.data() + state_->capturePosition,
                                               source.size() - state_->capturePosition);
      } else if (state_->stallAfterSource) {
        return;
      } else {
        queue_.fill(nullptr, 1 << 20);
      }
    }
  }

  std::shared_ptr<MemoryAudioBackend::State> state_;
  BufferQueue queue_;
  bool started_ = false;
};

class MemoryOutPort final : public WaveOutPort {
 public:
  MemoryOutPort(std::shared_ptr<MemoryAudioBackend::State> state, AudioEvent& completion)
      : state_(std::move(state)), queue_(completion) {}

  int prepare(AudioBuffer& buffer) override { return BufferQueue::prepare(buffer); }
  int unprepare(AudioBuffer& buffer) override {
    std::lock_guard lock(state_->mutex);
    ++state_->unprepareCalls;
    return BufferQueue::unprepare(buffer);
  }
  int write(AudioBuffer& buffer) override {
    const int result = queue_.enqueue(buffer);
    if (result != 0) {
      return result;
    }
    std::lock_guard lock(state_->mutex);
    if (state_->refuseWrites) {
      queue_.completeFront();
      return MMSYSERR_ERROR;
    }
    state_->played.insert(state_->played.end(), buffer.data(), buffer.data() + buffer.length());
    if (!state_->stallPlayback) {
      queue_.completeFront();
    }
    return 0;
  }
  int reset() override {
    queue_.completeAll();
    return 0;
  }
  int close() override {
    std::lock_guard lock(state_->mutex);
    ++state_->closeCalls;
    return 0;
  }

 private:
  std::shared_ptr<MemoryAudioBackend::State> state_;
  BufferQueue queue_;
};

}  // namespace

void MemoryAudioBackend::setCaptureSource(std::vector<std::uint8_t> bytes) {
  std::lock_guard lock(state_->mutex);
  state_->captureSource = std::move(bytes);
  state_->capturePosition = 0;
}

void MemoryAudioBackend::setStallCapture(bool stall) {
  std::lock_guard lock(state_->mutex);
  state_->stallCapture = stall;
}

void MemoryAudioBackend::setStallPlayback(bool stall) {
  std::lock_guard lock(state_->mutex);
  state_->stallPlayback = stall;
}

void MemoryAudioBackend::setStallAfterSource(bool stall) {
  std::lock_guard lock(state_->mutex);
  state_->stallAfterSource = stall;
}

void MemoryAudioBackend::setRefuseOpen(int result) {
  std::lock_guard lock(state_->mutex);
  state_->refuseOpen = result;
}

std::vector<std::uint8_t> MemoryAudioBackend::played() const {
  std::lock_guard lock(state_->mutex);
  return state_->played;
}

int MemoryAudioBackend::openInput(const WaveFormat& format, AudioEvent& completion,
                                  std::unique_ptr<WaveInPort>& port) {
  std::lock_guard lock(state_->mutex);
  if (state_->refuseOpen != 0) {
    return state_->refuseOpen;
  }
  ++state_->inputOpens;
  state_->lastFormat = format;
  port = std::make_unique<MemoryInPort>(state_, completion);
  return 0;
}

int MemoryAudioBackend::openOutput(const WaveFormat& format, AudioEvent& completion,
                                   std::unique_ptr<WaveOutPort>& port) {
  std::lock_guard lock(state_->mutex);
  if (state_->refuseOpen != 0) {
    return state_->refuseOpen;
  }
  ++state_->outputOpens;
  state_->lastFormat = format;
  port = std::make_unique<MemoryOutPort>(state_, completion);
  return 0;
}

}  // namespace qp::test
