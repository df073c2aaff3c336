#pragma once

#include <sys/types.h>

#include <string>

#include "support/ProcessRunner.h"
#include "support/TempDir.h"

namespace qp::test {

// A shell command line that runs while the test goes on (a recorder, a watching process), in a
// process group of its own. Standard input is /dev/null; standard output and error are kept
// for the result. A command still running when the object goes away is killed.
class BackgroundCommand {
 public:
  explicit BackgroundCommand(const std::string& commandLine);
  ~BackgroundCommand();
  BackgroundCommand(const BackgroundCommand&) = delete;
  BackgroundCommand& operator=(const BackgroundCommand&) = delete;

  // What the command has written to standard output or error so far.
  std::string outputSoFar() const;
  std::string errorsSoFar() const;
  // True once the command's shell has ended (without waiting).
  bool hasEnded();
  // Sends the signal (SIGINT for Ctrl-C) to every process of the command and waits until all
  // have ended; exitCode is the shell's, -1 when it was ended by a signal.
  ProcessResult stop(int signal);

 private:
  TempDir dir_;
  pid_t pid_ = -1;
  bool ended_ = false;
  int endStatus_ = 0;
};

}  // namespace qp::test
