#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "audio/device/AudioBackend.h"
#include "audio/device/CaptureDevice.h"
#include "audio/device/WorkerThread.h"
#include "audio/recording/CaptureLoop.h"
#include "audio/recording/NoAudioDialog.h"
#include "audio/recording/QuickRecordWindow.h"
#include "audio/recording/RecorderOptions.h"
#include "audio/recording/RecordingDestination.h"
#include "audio/wave/WaveFileWriter.h"
#include "common/SettingsStore.h"
#include "common/UiServices.h"
#include "dsp/CSilkvoiceFilter.h"

namespace qp {

// The tray's quick recorder: records into the default folder while a mouse button is held on
// the tray icon, with a time popup. The capture loop is the main recorder's without pause,
// graph or level meter; it ends by itself when neither button is held any more. A recording
// of at least half a second is kept (the main recorder needs more than half a second). All
// functions are called on the UI thread.
class QuickRecorder {
 public:
  static constexpr std::uint32_t kStopWaitMs = 3000;
  static constexpr int kBuffers = 4;

  // All must outlive the recorder.
  QuickRecorder(AudioBackend& backend, UiServices& ui, QuickRecordWindow& window,
                SettingsStore& settings, RecordingDestination& filer, NoAudioDialog& noAudio,
                RecorderOptions options = {});
  ~QuickRecorder();
  QuickRecorder(const QuickRecorder&) = delete;
  QuickRecorder& operator=(const QuickRecorder&) = delete;

  // False (and nothing starts) while the main window plays or records, or on a failure.
  bool startQuickRecording();
  void stopQuickRecording();
  // The silence alert of the quick recorder: stops when "CheckForSilence" is on.
  void onSilenceAlert();

  bool recording() const { return recording_; }
  // Set when a stop showed the no-audio dialog: the button release that follows does not
  // count as a click. Cleared when a button is pressed on the icon.
  bool suppressClick() const { return suppressClick_; }
  void clearSuppressClick() { suppressClick_ = false; }
  const std::string& lastNotePath() const { return lastNotePath_; }
  std::uint64_t bytesCaptured() const { return flags_.bytesCaptured.load(); }

 private:
  bool fail(int messageId);
  void startThread(const std::string& folder);
  void finish();

  AudioBackend& backend_;
  UiServices& ui_;
  QuickRecordWindow& window_;
  SettingsStore& settings_;
  RecordingDestination& filer_;
  NoAudioDialog& noAudio_;
  RecorderOptions options_;
  CaptureFlags flags_;
  WorkerThread thread_;
  std::unique_ptr<WaveFileWriter> writer_;
  std::unique_ptr<CaptureDevice> device_;
  dsp::CSilkvoiceFilter filter_;
  std::uint32_t sampleRate_ = 0;
  std::string notePath_;
  std::string lastNotePath_;
  bool recording_ = false;
  bool suppressClick_ = false;
  unsigned generation_ = 0;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace qp
