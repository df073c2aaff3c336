#pragma once

#include "common/ProcessLauncher.h"

namespace qp {

// ProcessLauncher on Linux: posix_spawn for a path, posix_spawnp for a name looked up on PATH,
// straight from the calling thread (the C library reports a program that cannot be executed
// as a failed spawn, so start and run see it at once). start hands the new process to a
// detached thread of its own that waits for its end; run waits on the calling thread.
// Stateless: one object may serve the whole program.
class PosixProcessLauncher final : public ProcessLauncher {
 public:
  bool start(const std::string& program, const std::vector<std::string>& arguments) override;
  ProcessExit run(const std::string& program, const std::vector<std::string>& arguments) override;
};

}  // namespace qp
