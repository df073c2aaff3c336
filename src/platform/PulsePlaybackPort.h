#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>

#include "audio/device/AudioBackend.h"
#include "audio/device/BufferQueue.h"
#include "platform/PulseContext.h"

namespace qp {

// A playback stream to a sink (the default one unless named). Written buffers are copied to the
// server at once; each stays queued (unprepare refused) until the stream's playback position has
// passed its last byte, then it is marked done and the completion event signalled.
class PulsePlaybackPort final : public WaveOutPort {
 public:
  PulsePlaybackPort(std::shared_ptr<PulseContext> context, AudioEvent& completion);
  ~PulsePlaybackPort() override;

  // Connects the stream to the named sink (empty: the default); a result code, 0 on success,
  // MMSYSERR_BADDEVICEID when there is no such sink.
  int connect(const WaveFormat& format, const std::string& sink = {});

  int prepare(AudioBuffer& buffer) override { return BufferQueue::prepare(buffer); }
  int unprepare(AudioBuffer& buffer) override { return BufferQueue::unprepare(buffer); }
  int write(AudioBuffer& buffer) override;
  int reset() override;
  int close() override;

 private:
  static void onStateChange(pa_stream* stream, void* self);
  static void onSuccess(pa_stream* stream, int success, void* self);
  static void onUnderflow(pa_stream* stream, void* self);
  static void onTimer(pa_mainloop_api* api, pa_time_event* event, const struct timeval* tv,
                      void* self);
  // Marks done every written buffer the server has played (event thread, lock held).
  void completePlayed(bool all);
  void disconnect();

  std::shared_ptr<PulseContext> context_;
  BufferQueue queue_;
  PaStreamPtr stream_;
  pa_sample_spec spec_{};
  pa_time_event* timer_ = nullptr;
  // End offsets, in stream bytes, of the buffers written and not yet played, in order.
  std::deque<std::uint64_t> pendingEnds_;
  std::uint64_t writtenBytes_ = 0;
};

}  // namespace qp
