#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "audio/device/AudioBackend.h"

namespace qp {

class PulseContext;

// The sound system of the Linux desktop: PulseAudio, or PipeWire's PulseAudio server. Opens
// the preferred source and sink while they are present, else the default ones. The
// connection is made at the first open and made again after it was lost.
class PulseAudioBackend final : public AudioBackend {
 public:
  explicit PulseAudioBackend(std::string clientName = "Quillophone");
  ~PulseAudioBackend() override;

  int openInput(const WaveFormat& format, AudioEvent& completion,
                std::unique_ptr<WaveInPort>& port) override;
  int openOutput(const WaveFormat& format, AudioEvent& completion,
                 std::unique_ptr<WaveOutPort>& port) override;

  // The devices to open from now on, by server name; empty means the default. A device that
  // is missing when a stream opens is replaced by the default for that stream. Safe from any
  // thread.
  void setPreferredDevices(const std::string& source, const std::string& sink);

 private:
  std::shared_ptr<PulseContext> connection();
  // The preferred source (or sink) when the server has it now, else empty for the default.
  std::string preferredDevice(PulseContext& context, bool source);

  std::string clientName_;
  std::mutex mutex_;
  std::shared_ptr<PulseContext> context_;
  std::string preferredSource_;  // guarded by mutex_
  std::string preferredSink_;    //
};

}  // namespace qp
