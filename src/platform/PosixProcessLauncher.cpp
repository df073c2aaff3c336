#include "platform/PosixProcessLauncher.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <optional>
#include <system_error>
#include <thread>

extern char** environ;

namespace qp {
namespace {

// Spawn attributes for a clean start: empty signal mask, every signal at its default action,
// and a session of its own when asked.
class SpawnAttributes {
 public:
  explicit SpawnAttributes(bool ownSession) {
    initialised_ = ::posix_spawnattr_init(&attributes_) == 0;
    if (!initialised_) {
      return;
    }
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    if (ownSession) {
      flags |= POSIX_SPAWN_SETSID;
    }
    valid_ = ::posix_spawnattr_setsigmask(&attributes_, &none) == 0 &&
             ::posix_spawnattr_setsigdefault(&attributes_, &all) == 0 &&
             ::posix_spawnattr_setflags(&attributes_, flags) == 0;
  }
  ~SpawnAttributes() {
    if (initialised_) {
      ::posix_spawnattr_destroy(&attributes_);
    }
  }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;

  // Null when they could not be set up.
  const posix_spawnattr_t* get() const { return valid_ ? &attributes_ : nullptr; }

 private:
  posix_spawnattr_t attributes_{};
  bool initialised_ = false;
  bool valid_ = false;
};

// The new process's id, or nothing when it could not be started.
std::optional<pid_t> spawn(const std::string& program, const std::vector<std::string>& arguments,
                           bool ownSession) {
  if (program.empty()) {
    return std::nullopt;
  }
  const SpawnAttributes attributes(ownSession);
  if (attributes.get() == nullptr) {
    return std::nullopt;
  }
  // The argument vector points into copies: the spawn functions take char* const[].
  std::vector<std::string> storage;
  storage.reserve(arguments.size() + 1);
  storage.push_back(program);
  storage.insert(storage.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  argv.reserve(storage.size() + 1);
  for (std::string& argument : storage) {
    argv.push_back(argument.data());
  }
  argv.push_back(nullptr);
  pid_t pid = 0;
  const bool lookUpOnPath = program.find('/') == std::string::npos;
  const int result =
      lookUpOnPath
          ? ::posix_spawnp(&pid, program.c_str(), nullptr, attributes.get(), argv.data(), environ)
          : ::posix_spawn(&pid, program.c_str(), nullptr, attributes.get(), argv.data(), environ);
  if (result != 0) {
    return std::nullopt;
  }
  return pid;
}

// Waits for pid to end and reaps it; its wait status, or nothing when waiting failed.
std::optional<int> reap(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      return std::nullopt;
    }
  }
  return status;
}

}  // namespace

bool PosixProcessLauncher::start(const std::string& program,
                                 const std::vector<std::string>& arguments) {
  const std::optional<pid_t> pid = spawn(program, arguments, true);
  if (!pid) {
    return false;
  }
  try {
    std::thread([child = *pid] { reap(child); }).detach();
  } catch (const std::system_error&) {
    // No thread to wait with (the system is out of them): the program still runs; it stays a
    // zombie after its end until this process ends.
  }
  return true;
}

ProcessExit PosixProcessLauncher::run(const std::string& program,
                                      const std::vector<std::string>& arguments) {
  const std::optional<pid_t> pid = spawn(program, arguments, false);
  if (!pid) {
    return {};
  }
  const std::optional<int> status = reap(*pid);
  if (!status) {
    return {};
  }
  if (WIFSIGNALED(*status)) {
    return {ProcessExit::Kind::Signalled, WTERMSIG(*status)};
  }
  if (WIFEXITED(*status)) {
    return {ProcessExit::Kind::Exited, WEXITSTATUS(*status)};
  }
  return {};
}

}  // namespace qp
