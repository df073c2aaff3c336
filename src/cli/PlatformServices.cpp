#include "cli/PlatformServices.h"

#include "platform/PosixProcessLauncher.h"

namespace qp::cli {

ProcessLauncher& processLauncher() {
  static PosixProcessLauncher launcher;
  return launcher;
}

}  // namespace qp::cli
