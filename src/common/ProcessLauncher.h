#pragma once

#include <string>
#include <vector>

namespace qp {

// How a program that was run to its end finished.
struct ProcessExit {
  enum class Kind {
    NotStarted,  // not found, not executable, no new process to be had (or its end was lost)
    Exited,      // ended by exit(): code is its status, 0 to 255
    Signalled,   // killed by a signal: code is the signal number
  };
  Kind kind = Kind::NotStarted;
  int code = 0;

  bool succeeded() const { return kind == Kind::Exited && code == 0; }
};

// Starts other programs (the microphone wizard, the mail tool). The core owns this interface;
// platform/PosixProcessLauncher implements it, tests use fakes.
//
// What every implementation guarantees:
// - program is a path when it holds a '/', else a bare name looked up on PATH;
// - the program's argument vector is program followed by arguments, each handed over byte for
//   byte: no shell, no quoting, no word splitting, empty arguments kept;
// - the program inherits the environment, the working directory and the standard streams; its
//   signal mask is empty and every signal has its default action, whatever this process
//   blocks, ignores or catches;
// - no program is left behind as a zombie: run reaps it before returning, start has it reaped
//   as soon as it ends;
// - both may be called from any thread of a process that runs several; nothing is forked.
class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;

  // Starts program and returns at once: true when it is running. It runs in a session of its
  // own, so a Ctrl-C on this process's terminal does not reach it, and it may outlive this
  // process.
  virtual bool start(const std::string& program, const std::vector<std::string>& arguments) = 0;

  // Runs program in this process's session and waits until it ends (an interrupted wait is
  // resumed).
  virtual ProcessExit run(const std::string& program,
                          const std::vector<std::string>& arguments) = 0;
};

}  // namespace qp
