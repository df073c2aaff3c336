#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "audio/recording/CaptureSession.h"
#include "audio/recording/RecorderOptions.h"
#include "audio/recording/RecorderServices.h"
#include "audio/window/AudioWindow.h"

namespace qp {

class NoteEditor;

// The main window's recorder: turns the record control into a new note (or, in edit mode,
// into an insert or append through NoteEditor). One capture thread per recording; the thread
// reports the silence alert and any stop of its own through UiServices::postToUi, and every
// stop decision runs on the UI thread. All functions are called on the UI thread.
//
// A write the disk refuses, or a note reaching the largest size the format holds, ends the
// recording with a message; what was written is kept as a valid note.
class RecordingController {
 public:
  // services and window must outlive the controller.
  RecordingController(const RecorderServices& services, AudioWindow& window,
                      RecorderOptions options = {});

  // Insert and append go through this editor; it calls startRecording itself.
  void setEditor(NoteEditor* editor) { editor_ = editor; }
  // The playback thread is stopped with every recording stop (stop-all).
  void setPlaybackStopper(std::function<void()> stop) { stopPlayback_ = std::move(stop); }
  // Takes the sample rate of the "Quality" setting again (preferences applied).
  void applyPreferences();

  // False (nothing changes) while a recording runs, or when it cannot start.
  bool startRecording();
  void stopRecording();
  // The silence alert: stops the recording when "CheckForSilence" is on.
  void onSilenceAlert();
  // The pause control and the Silkvoice indicator; both return the new state.
  bool togglePause();
  bool toggleSilkvoice();

  bool recording() const { return session_.running(); }
  bool paused() const { return session_.flags().paused.load(); }
  bool silkvoiceOn() const { return session_.flags().silkvoiceOn.load(); }
  std::uint32_t sampleRate() const { return sampleRate_; }
  std::uint64_t bytesCaptured() const { return session_.flags().bytesCaptured.load(); }
  // Whether the last recording ended because the microphone stopped delivering sound (the
  // sound server was lost).
  bool microphoneLost() const { return session_.flags().timedOut.load(); }
  // The path of the last note filed by a stop (empty when it was not kept).
  const std::string& lastNotePath() const { return lastNotePath_; }
  // Silence alerts received from capture threads so far.
  int silenceAlerts() const { return silenceAlerts_; }
  // The flags shared with the thread; safe from any thread (tests).
  CaptureFlags& flags() { return session_.flags(); }

 private:
  bool fail(int messageId);
  void startThread();
  void finishEdit(bool keep);
  void reportWriteProblem();

  UiServices& ui_;
  AudioWindow& window_;
  NoteEditor* editor_ = nullptr;
  std::function<void()> stopPlayback_;
  std::uint32_t sampleRate_ = 0;  // of the Quality preset
  std::uint32_t recordRate_ = 0;  // of the running recording (an edited note's own)
  std::string notePath_;
  std::string lastNotePath_;
  bool editing_ = false;  // this recording is an insert or append
  int silenceAlerts_ = 0;
  // Last, so that the capture thread ends before anything else goes.
  CaptureSession session_;
};

}  // namespace qp
