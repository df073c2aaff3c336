#pragma once

#include "common/ProcessLauncher.h"

namespace qp::cli {

// The Linux implementations of the core's platform interfaces that quillophone-cli hands to
// the core, one each for the whole program (they live until it ends).

// Starts other programs: the microphone wizard, xdg-email.
ProcessLauncher& processLauncher();

}  // namespace qp::cli
