#pragma once

#include <functional>
#include <string>

namespace qp {

// The program's HTML manual: installed under <prefix>/share/doc/quillophone/manual, or, when
// the program runs from its build tree, resources/help in that tree (looked for in the
// program's directory and up to four directories above it).
//
// The manual's index.html for a program in programDirectory, with exists telling whether a
// file is there; empty when there is no manual.
std::string findHelpManual(const std::string& programDirectory,
                           const std::function<bool(const std::string&)>& exists);
// The manual of the running program; empty when it is not installed (the Help items are then
// hidden).
std::string helpManualPath();
// Opens the manual in the user's browser; false when there is none or nothing could open it.
bool openHelpManual();

}  // namespace qp
