#include "support/BackgroundCommand.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace qp::test {
namespace {

// In the child: the command's own process group, its input and output, then the shell.
[[noreturn]] void runChild(const std::string& commandLine, const std::string& out,
                           const std::string& err) {
  ::setpgid(0, 0);
  const int in = ::open("/dev/null", O_RDONLY);
  const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (in < 0 || o < 0 || e < 0 || ::dup2(in, 0) < 0 || ::dup2(o, 1) < 0 || ::dup2(e, 2) < 0) {
    ::_exit(127);
  }
  ::execl("/bin/sh", "sh", "-c", commandLine.c_str(), static_cast<char*>(nullptr));
  ::_exit(127);
}

}  // namespace

BackgroundCommand::BackgroundCommand(const std::string& commandLine) {
  // Programs the shell leaves behind become this process's children, so stop() can wait
  // for them too.
  ::prctl(PR_SET_CHILD_SUBREAPER, 1);
  const std::string out = dir_.file("stdout");
  const std::string err = dir_.file("stderr");
  pid_ = ::fork();
  if (pid_ == 0) {
    runChild(commandLine, out, err);
  }
  if (pid_ > 0) {
    ::setpgid(pid_, pid_);  // also here, so a signal sent at once reaches the group
  }
}

BackgroundCommand::~BackgroundCommand() {
  if (pid_ > 0) {
    stop(SIGKILL);
  }
}

std::string BackgroundCommand::outputSoFar() const {
  return readFileText(dir_.file("stdout"));
}

std::string BackgroundCommand::errorsSoFar() const {
  return readFileText(dir_.file("stderr"));
}

bool BackgroundCommand::hasEnded() {
  if (pid_ > 0 && !ended_) {
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      ended_ = true;
      endStatus_ = status;
    }
  }
  return ended_;
}

ProcessResult BackgroundCommand::stop(int signal) {
  ProcessResult result;
  if (pid_ <= 0) {
    return result;
  }
  ::kill(-pid_, signal);
  int status = endStatus_;
  while (!ended_ && ::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  ended_ = false;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  // The shell may end before the programs it started: reap the rest of its group.
  int ignored = 0;
  while (::waitpid(-pid_, &ignored, 0) > 0 || errno == EINTR) {
  }
  pid_ = -1;
  result.out = outputSoFar();
  result.err = errorsSoFar();
  return result;
}

}  // namespace qp::test
