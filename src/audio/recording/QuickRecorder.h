#pragma once

#include <cstdint>
#include <string>

#include "audio/recording/CaptureSession.h"
#include "audio/recording/QuickRecordWindow.h"
#include "audio/recording/RecorderOptions.h"
#include "audio/recording/RecorderServices.h"

namespace qp {

// The tray's quick recorder: records into the default folder while a mouse button is held on
// the tray icon, with a time popup. The capture loop is the main recorder's without pause,
// graph or level meter; it ends by itself when neither button is held any more. A recording
// of at least half a second is kept (the main recorder needs more than half a second). All
// functions are called on the UI thread.
class QuickRecorder {
 public:
  // services and window must outlive the recorder.
  QuickRecorder(const RecorderServices& services, QuickRecordWindow& window,
                RecorderOptions options = {});

  // False (and nothing starts) while the main window plays or records, or on a failure.
  bool startQuickRecording();
  void stopQuickRecording();
  // The silence alert of the quick recorder: stops when "CheckForSilence" is on.
  void onSilenceAlert();

  bool recording() const { return session_.running(); }
  // Set when a stop showed the no-audio dialog: the button release that follows does not
  // count as a click. Cleared when a button is pressed on the icon.
  bool suppressClick() const { return suppressClick_; }
  void clearSuppressClick() { suppressClick_ = false; }
  const std::string& lastNotePath() const { return lastNotePath_; }
  std::uint64_t bytesCaptured() const { return session_.flags().bytesCaptured.load(); }

 private:
  bool fail(int messageId);
  void startThread(const std::string& folder);
  void finish();

  UiServices& ui_;
  QuickRecordWindow& window_;
  SettingsStore& settings_;
  std::uint32_t sampleRate_ = 0;
  std::string notePath_;
  std::string lastNotePath_;
  bool suppressClick_ = false;
  // Last, so that the capture thread ends before anything else goes.
  CaptureSession session_;
};

}  // namespace qp
