#pragma once

#include <string>

namespace qp {

// Files a finished recording as a new note (the name from its time, the folder, the name
// dialog, the alarm prompt, the companion). Runs on the UI thread.
class RecordingDestination {
 public:
  virtual ~RecordingDestination() = default;
  // path: the closed wave file. Returns the note's final path (empty when it was not filed).
  virtual std::string file(const std::string& path) = 0;
};

}  // namespace qp
