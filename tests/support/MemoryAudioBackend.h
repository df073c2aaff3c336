#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "audio/device/AudioBackend.h"

namespace qp::test {

// A sound system in memory. Capture delivers a given byte array (then silence) as fast as
// buffers are added; playback keeps every byte written and finishes buffers at once. Either
// can stall (buffers never complete) or refuse to open.
class MemoryAudioBackend final : public AudioBackend {
 public:
  struct State {
    std::mutex mutex;
    std::vector<std::uint8_t> captureSource;
    std::size_t capturePosition = 0;
    std::vector<std::uint8_t> played;
    bool stallCapture = false;
    bool stallAfterSource = false;  // no silence after the source: buffers stop completing
    bool stallPlayback = false;
    // Playback writes fail, each buffer handed back at once, as a port whose server is gone.
    bool refuseWrites = false;
    int refuseOpen = 0;  // result code returned by open; 0 accepts
    int inputOpens = 0;
    int outputOpens = 0;
    int unprepareCalls = 0;
    int closeCalls = 0;
    WaveFormat lastFormat;
  };

  MemoryAudioBackend() : state_(std::make_shared<State>()) {}

  void setCaptureSource(std::vector<std::uint8_t> bytes);
  void setStallCapture(bool stall);
  // Once the source is used up, capture buffers stop completing instead of filling with
  // silence.
  void setStallAfterSource(bool stall);
  void setStallPlayback(bool stall);
  void setRefuseOpen(int result);
  std::vector<std::uint8_t> played() const;
  State& state() { return *state_; }

  int openInput(const WaveFormat& format, AudioEvent& completion,
                std::unique_ptr<WaveInPort>& port) override;
  int openOutput(const WaveFormat& format, AudioEvent& completion,
                 std::unique_ptr<WaveOutPort>& port) override;

 private:
  std::shared_ptr<State> state_;
};

}  // namespace qp::test
