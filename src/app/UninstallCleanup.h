#pragma once

#include <functional>
#include <string>

#include "common/Clock.h"
#include "common/SettingsStore.h"
#include "common/StringTable.h"

namespace qp::app {

// What the package's removal runs (/uninstall): the notes directory is deleted when it holds
// no note, or when the user answers Yes to "erase all recorded notes?" (never asked with
// /silent, which keeps notes); then the settings file and the log-on entry are deleted.
// Missing files are skipped; failures to delete are ignored.
class UninstallCleanup {
 public:
  struct Result {
    bool heldNotes = false;
    bool notesDeleted = false;
  };

  // settings, strings and clock read the notes library; all must outlive the object.
  UninstallCleanup(SettingsStore& settings, const StringTable& strings, const Clock& clock)
      : settings_(settings), strings_(strings), clock_(clock) {}

  // askEraseNotes: the Yes/No question (string 105); true for Yes.
  Result run(const std::string& notesDirectory, const std::string& settingsFile, bool silent,
             const std::function<bool()>& askEraseNotes);

  // True when some folder of the notes directory holds a note.
  bool holdsNotes(const std::string& notesDirectory);

 private:
  SettingsStore& settings_;
  const StringTable& strings_;
  const Clock& clock_;
};

}  // namespace qp::app
