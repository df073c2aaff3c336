#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "audio/device/AudioBackend.h"
#include "audio/device/BufferQueue.h"
#include "platform/CaptureRelay.h"
#include "platform/PulseContext.h"

namespace qp {

// A record stream from a source (the default one unless named). Incoming audio fills the queued
// buffers in order; each full buffer is marked done and the completion event signalled. What
// arrives while no buffer is free waits in a FIFO of kFifoSeconds (sources may deliver seconds
// at once); only an overflow of that FIFO drops sound, and it is counted and traced.
class PulseCapturePort final : public WaveInPort {
 public:
  PulseCapturePort(std::shared_ptr<PulseContext> context, AudioEvent& completion);
  ~PulseCapturePort() override;

  // Connects the stream (corked) in the given format to the named source (empty: the
  // default); a result code, 0 on success, MMSYSERR_BADDEVICEID when there is no such source.
  int connect(const WaveFormat& format, const std::string& source = {});

  int prepare(AudioBuffer& buffer) override { return BufferQueue::prepare(buffer); }
  int unprepare(AudioBuffer& buffer) override { return BufferQueue::unprepare(buffer); }
  int add(AudioBuffer& buffer) override;
  int start() override;
  int stop() override;
  int reset() override;
  int close() override;

  static constexpr std::uint32_t kFifoSeconds = 4;
  // Bytes lost to an overflow of the FIFO since connect().
  std::uint64_t droppedBytes() const { return relay_ ? relay_->droppedBytes() : 0; }

 private:
  static void onRead(pa_stream* stream, std::size_t bytes, void* self);
  static void onStateChange(pa_stream* stream, void* self);
  static void onSuccess(pa_stream* stream, int success, void* self);
  int cork(bool paused);
  void disconnect();

  std::shared_ptr<PulseContext> context_;
  BufferQueue queue_;
  std::unique_ptr<CaptureRelay> relay_;  // made by connect(); fills queue_
  PaStreamPtr stream_;
  std::atomic<bool> started_{false};
};

}  // namespace qp
