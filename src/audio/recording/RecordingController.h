#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "audio/device/AudioBackend.h"
#include "audio/device/CaptureDevice.h"
#include "audio/device/WorkerThread.h"
#include "audio/editing/NoteEditor.h"
#include "audio/recording/CaptureLoop.h"
#include "audio/recording/NoAudioDialog.h"
#include "audio/recording/RecorderOptions.h"
#include "audio/recording/RecordingDestination.h"
#include "audio/wave/WaveFileWriter.h"
#include "audio/window/AudioWindow.h"
#include "common/SettingsStore.h"
#include "common/UiServices.h"
#include "dsp/CSilkvoiceFilter.h"

namespace qp {

// The main window's recorder: turns the record control into a new note (or, in edit mode,
// into an insert or append through NoteEditor). One capture thread per recording; the thread
// reports the silence alert and any stop of its own through UiServices::postToUi, and every
// stop decision runs on the UI thread. All functions are called on the UI thread.
//
// A write the disk refuses, or a note reaching the largest size the format holds, ends the
// recording with a message; what was written is kept as a valid note.
class RecordingController {
 public:
  static constexpr std::uint32_t kStopWaitMs = 5000;
  static constexpr int kBuffers = 8;

  // All must outlive the controller.
  RecordingController(AudioBackend& backend, UiServices& ui, AudioWindow& window,
                      SettingsStore& settings, RecordingDestination& filer, NoAudioDialog& noAudio,
                      RecorderOptions options = {});
  ~RecordingController();
  RecordingController(const RecordingController&) = delete;
  RecordingController& operator=(const RecordingController&) = delete;

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

  bool recording() const { return recording_; }
  bool paused() const { return flags_.paused.load(); }
  bool silkvoiceOn() const { return flags_.silkvoiceOn.load(); }
  std::uint32_t sampleRate() const { return sampleRate_; }
  std::uint64_t bytesCaptured() const { return flags_.bytesCaptured.load(); }
  // The path of the last note filed by a stop (empty when it was not kept).
  const std::string& lastNotePath() const { return lastNotePath_; }
  // Silence alerts received from capture threads so far.
  int silenceAlerts() const { return silenceAlerts_; }
  // The flags shared with the thread; safe from any thread (tests).
  CaptureFlags& flags() { return flags_; }

 private:
  bool fail(int messageId);
  bool openDevice(const WaveFormat& format);
  void startThread();
  void finishEdit(bool keep);
  void finishNote();
  void reportWriteProblem();

  AudioBackend& backend_;
  UiServices& ui_;
  AudioWindow& window_;
  SettingsStore& settings_;
  RecordingDestination& filer_;
  NoAudioDialog& noAudio_;
  RecorderOptions options_;
  NoteEditor* editor_ = nullptr;
  std::function<void()> stopPlayback_;
  CaptureFlags flags_;
  WorkerThread thread_;
  std::unique_ptr<WaveFileWriter> writer_;
  std::unique_ptr<CaptureDevice> device_;
  dsp::CSilkvoiceFilter filter_;
  std::uint32_t sampleRate_ = 0;  // of the Quality preset
  std::uint32_t recordRate_ = 0;  // of the running recording (an edited note's own)
  std::string notePath_;
  std::string lastNotePath_;
  bool recording_ = false;
  bool editing_ = false;  // this recording is an insert or append
  int silenceAlerts_ = 0;
  unsigned generation_ = 0;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace qp
