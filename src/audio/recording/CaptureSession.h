#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "audio/device/CaptureDevice.h"
#include "audio/device/CurrentRunPoster.h"
#include "audio/device/WorkerThread.h"
#include "audio/recording/CaptureLoop.h"
#include "audio/recording/RecorderOptions.h"
#include "audio/recording/RecorderServices.h"
#include "audio/wave/WaveFileWriter.h"
#include "dsp/CSilkvoiceFilter.h"

namespace qp {

// What the main recorder and the quick recorder share of one recording after another: the
// note's writer, the capture device, the Silkvoice filter, the flags shared with the capture
// thread, the thread itself and the way its reports reach the UI thread. It opens a
// recording, starts and ends the capture thread, says why writing stopped, and closes the
// note and files it (or deletes one too short or silent). The recorders keep the decisions
// and the messages. Owned by a recorder; UI thread only.
class CaptureSession {
 public:
  // Why the note stopped taking bytes, as the stop reports it.
  enum class WriteProblem { None, DiskFull, NoteFull };

  // What differs between the recorders at the device and at the stop.
  struct Profile {
    int buffers;                                             // capture buffers in the ring
    std::uint32_t (*bufferBytes)(std::uint32_t sampleRate);  // bytes per capture buffer
    std::uint32_t stopWaitMs;   // how long a stop waits for the thread before lateStopTrace
    const char* lateStopTrace;  // the trace line of a thread that did not end in time
  };

  // services must outlive the session.
  CaptureSession(const RecorderServices& services, const Profile& profile, RecorderOptions options);
  // Ends a running capture thread; what it still reports is dropped.
  ~CaptureSession();
  CaptureSession(const CaptureSession&) = delete;
  CaptureSession& operator=(const CaptureSession&) = delete;

  // Sample rate of the "Quality" setting.
  std::uint32_t qualitySampleRate() const;
  // The "Silkvoice" setting, taken into the flags for the next recording.
  bool takeSilkvoiceSetting();
  // Whether "CheckForSilence" is on.
  bool checkForSilence() const;

  // Marks a recording as running and clears what the last one left in the flags: bytes
  // captured, silence, the time-out and pause.
  void begin();
  // Ends the running recording's thread: clears run, waits up to the profile's time, then
  // traces that the thread is late and waits on. False, with nothing done, when no recording
  // runs.
  bool end();
  bool running() const { return running_; }
  // Creates the note file through the options' writer; false when it cannot be created.
  bool openNote(const std::string& path, const WaveFormat& format);
  // Makes the capture device (the profile's buffers) and opens it; false when the sound
  // system refuses.
  bool openDevice(const WaveFormat& format);
  // Starts the capture thread on the open note and device. run brings what differs between
  // the recorders (window, sample rate, quick-record time); the session fills in the rest.
  // onSilenceAlert and onEndedItself run later on the UI thread, unless another run has
  // begun or the session is gone by then.
  void startThread(CaptureRun run, std::function<void()> onSilenceAlert,
                   std::function<void()> onEndedItself);
  // Why writing stopped; read before the note is closed.
  WriteProblem writeProblem() const;
  // Closes the note file (if any) and lets the writer go.
  void closeWriter();
  // Closes the note at path and files it. Deletes it instead when !keep, or when nothing in
  // it reached the silence threshold and "CheckForSilence" is on: then runs onSilent and
  // shows the no-audio dialog. Returns the filed note's path, empty when it was not filed.
  std::string fileNote(const std::string& path, bool keep,
                       const std::function<void()>& onSilent = {});

  // The open note's writer; null between recordings.
  WaveFileWriter* writer() { return writer_.get(); }
  CaptureFlags& flags() { return flags_; }
  const CaptureFlags& flags() const { return flags_; }

 private:
  void endThread();

  RecorderServices services_;
  Profile profile_;
  RecorderOptions options_;
  bool running_ = false;
  CaptureFlags flags_;
  std::unique_ptr<WaveFileWriter> writer_;
  std::unique_ptr<CaptureDevice> device_;
  dsp::CSilkvoiceFilter filter_;
  CurrentRunPoster poster_;
  WorkerThread thread_;
};

}  // namespace qp
