#pragma once

#include <string>
#include <vector>

#include "skins/SkinExports.h"

namespace qp {

// Whether the program takes a loaded package as a skin: the twelve required entry points and
// GetSkinImage exist, the interface version is kSkinInterfaceVersion and the general record
// exists. Answers one line per reason it is refused ("missing export GetKnob", "interface
// version 1, expected 2"); empty when it is accepted.
std::vector<std::string> skinAcceptanceProblems(const SkinExports& exports);

}  // namespace qp
