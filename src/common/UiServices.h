#pragma once

#include <functional>
#include <string>

namespace qp {

// What the user chose in the no-audio dialog.
struct NoAudioChoice {
  bool doNotShowAgain = false;  // the check box was ticked
  bool help = false;            // closed with "Help" (only offered when help exists)
};

// The core's way to the user interface, installed by the front end that runs the core (the
// command-line program, or a test's fake). Everything except postToUi is called on the UI thread
// only; postToUi may be called from any thread.
class UiServices {
 public:
  virtual ~UiServices() = default;

  // Runs task later on the UI thread, in the order posted. Worker threads report only
  // through this.
  virtual void postToUi(std::function<void()> task) = 0;

  // Shows text as a warning under the program's caption; returns once the user dismissed it.
  virtual void showMessage(const std::string& text) = 0;

  // A Yes/No question with the question icon; true for Yes.
  virtual bool askYesNo(const std::string& text) = 0;

  // The no-audio dialog: text (already cut to its first line when there is no help), the
  // "&Do not show this message again" check box, "OK", and "Help" when showHelp is set.
  virtual NoAudioChoice showNoAudioDialog(const std::string& text, bool showHelp) = 0;
};

}  // namespace qp
