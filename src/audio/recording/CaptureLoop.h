#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "audio/device/CaptureDevice.h"
#include "audio/recording/RecorderOptions.h"
#include "audio/wave/WaveFileWriter.h"
#include "audio/window/AudioWindow.h"
#include "dsp/CSilkvoiceFilter.h"

namespace qp {

// The flags and results the UI thread and a capture thread share. The UI thread sets run,
// paused and silkvoiceOn; the thread reads them once per buffer. bytesCaptured, allSilent and
// timedOut are written by the thread and read by the stop after the thread has ended.
struct CaptureFlags {
  std::atomic<bool> run{false};
  std::atomic<bool> paused{false};
  std::atomic<bool> silkvoiceOn{true};
  std::atomic<std::uint64_t> bytesCaptured{0};  // all bytes delivered, paused ones included
  std::atomic<bool> allSilent{true};
  std::atomic<bool> timedOut{false};  // the loop ended because the microphone stopped
};

// Why a capture thread ended its loop by itself.
enum class CaptureEnd {
  Stopped,          // run was cleared: a stop from the UI thread
  StartFailed,      // queueing or starting the device failed
  TimedOut,         // three waits of a buffer timed out
  WriteFailed,      // the note file refused bytes (a full disk)
  NoteFull,         // the note reached the largest size the format holds
  LimitReached,     // the asked-for length was recorded
  ButtonsReleased,  // quick recording: neither mouse button is held any more
};

// What one recording run is given. Device, writer and filter belong to the recorder and are
// used only by the thread until it has ended.
struct CaptureRun {
  static constexpr std::int16_t kSilenceThreshold = 4097;
  static constexpr int kSilenceAlertSeconds = 10;

  CaptureDevice* device = nullptr;
  WaveFileWriter* writer = nullptr;
  dsp::CSilkvoiceFilter* filter = nullptr;
  CaptureFlags* flags = nullptr;
  // The main window (time display, graph, level meter); null for the quick recorder.
  AudioWindow* window = nullptr;
  std::uint32_t sampleRate = 0;
  std::uint32_t bufferWaitMs = 1000;
  int waitLimit = 3;
  std::uint64_t maxDataBytes = WaveFileWriter::kMaxDataBytes;
  std::uint64_t stopAfterBytes = 0;  // 0: no limit

  // Takes the wait, time-out and size limits of a recorder's options.
  void setLimits(const RecorderOptions& options) {
    bufferWaitMs = options.bufferWaitMs;
    waitLimit = options.waitLimit;
    maxDataBytes = options.maxDataBytes;
    stopAfterBytes = options.stopAfterBytes;
  }
  // Quick recorder: shows the elapsed time and answers whether a mouse button is still held.
  std::function<bool(int seconds)> showQuickTime;
  // Post to the UI thread: the silence alert (at most once), and the end of a loop that the
  // thread ended itself (never called for CaptureEnd::Stopped).
  std::function<void()> silenceAlert;
  std::function<void(CaptureEnd)> endedItself;
};

// The body of a capture thread: waits for each buffer in turn, scans it for sound, passes it
// through the Silkvoice filter when on, appends it to the note (unless paused), and keeps the
// time display, the graph and the level meter going.
class CaptureLoop {
 public:
  explicit CaptureLoop(CaptureRun run) : run_(std::move(run)), flags_(*run_.flags) {}
  void run();

 private:
  // Waits for the buffer; false (with end_ set when the loop must end) when it did not come.
  bool awaitBuffer(AudioBuffer& buffer);
  void scanForSound(const AudioBuffer& buffer, std::uint32_t bytes);
  // Processes and writes one buffer; false when the loop must end.
  bool consume(AudioBuffer& buffer, std::uint32_t bytes);
  bool showTime(int seconds);
  bool write(const std::uint8_t* data, std::uint32_t bytes);

  CaptureRun run_;
  CaptureFlags& flags_;
  CaptureEnd end_ = CaptureEnd::Stopped;
  WaveformGraphFeed* graph_ = nullptr;
  int column_ = 0;
  std::uint64_t totalSamples_ = 0;
  std::uint64_t recorded_ = 0;  // bytes this loop wrote
  std::uint64_t lastSecond_ = 0;
};

}  // namespace qp
