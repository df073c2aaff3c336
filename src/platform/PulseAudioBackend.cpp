#include "platform/PulseAudioBackend.h"

#include <utility>

#include "platform/PulseCapturePort.h"
#include "platform/PulseContext.h"
#include "platform/PulsePlaybackPort.h"

namespace qp {

PulseAudioBackend::PulseAudioBackend(std::string clientName) : clientName_(std::move(clientName)) {}

PulseAudioBackend::~PulseAudioBackend() = default;

std::shared_ptr<PulseContext> PulseAudioBackend::connection() {
  std::lock_guard lock(mutex_);
  if (context_ && context_->isReady()) {
    return context_;
  }
  auto fresh = std::make_shared<PulseContext>();
  if (!fresh->connect(clientName_)) {
    return nullptr;
  }
  context_ = fresh;
  return context_;
}

int PulseAudioBackend::openInput(const WaveFormat& format, AudioEvent& completion,
                                 std::unique_ptr<WaveInPort>& port) {
  auto context = connection();
  if (!context) {
    return MMSYSERR_NODRIVER;
  }
  auto capture = std::make_unique<PulseCapturePort>(context, completion);
  const int result = capture->connect(format);
  if (result == 0) {
    port = std::move(capture);
  }
  return result;
}

int PulseAudioBackend::openOutput(const WaveFormat& format, AudioEvent& completion,
                                  std::unique_ptr<WaveOutPort>& port) {
  auto context = connection();
  if (!context) {
    return MMSYSERR_NODRIVER;
  }
  auto playback = std::make_unique<PulsePlaybackPort>(context, completion);
  const int result = playback->connect(format);
  if (result == 0) {
    port = std::move(playback);
  }
  return result;
}

}  // namespace qp
