#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "audio/device/AudioBackend.h"

namespace qp {

class PulseContext;

// The sound system of the Linux desktop: PulseAudio, or PipeWire's PulseAudio server. Opens
// the default source and sink. The connection is made at the first open and made again
// after it was lost.
class PulseAudioBackend final : public AudioBackend {
 public:
  explicit PulseAudioBackend(std::string clientName = "Quillophone");
  ~PulseAudioBackend() override;

  int openInput(const WaveFormat& format, AudioEvent& completion,
                std::unique_ptr<WaveInPort>& port) override;
  int openOutput(const WaveFormat& format, AudioEvent& completion,
                 std::unique_ptr<WaveOutPort>& port) override;

 private:
  std::shared_ptr<PulseContext> connection();

  std::string clientName_;
  std::mutex mutex_;
  std::shared_ptr<PulseContext> context_;
};

}  // namespace qp
