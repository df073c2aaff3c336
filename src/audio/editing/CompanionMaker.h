#pragma once

#include <string>

namespace qp {

// Makes a note's drag companion file (the note converted to the drag format) anew. Installed
// by whoever has the converters; without one no companion is made.
class CompanionMaker {
 public:
  virtual ~CompanionMaker() = default;
  // notePath: the wave file; noteName: the path without ".wav". True when it was made.
  virtual bool makeCompanion(const std::string& notePath, const std::string& noteName) = 0;
};

}  // namespace qp
