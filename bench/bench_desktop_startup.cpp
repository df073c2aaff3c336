// The desktop program's start-up and idle costs, measured on the real program under Qt's
// offscreen platform with a notes folder of 1,000 notes:
//   BM_StartToFirstFrame     process start to the main window's first painted frame
//   BM_ProcessStartReference process start to exit of `quillophone --version` (loading the
//                            program and its libraries, no Qt start-up): the floor under the first
//   BM_IdleInTray            resident memory and wake-ups per second of a `/tray` start left
//                            idle for 5 s (offscreen has no tray, so the window stays open: an
//                            upper bound for the tray alone)
// QP_DESKTOP names the program (default: the build tree's).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kNotes = 1000;

// A home with settings and 1,000 short notes in Personal, made once.
const fs::path& home() {
  static const fs::path dir = [] {
    fs::path root = fs::temp_directory_path() / ("qp-bench-desktop-" + std::to_string(getpid()));
    fs::create_directories(root / "notes" / "Personal");
    fs::create_directories(root / "config" / "Tolvane Electronics");
    fs::create_directories(root / "runtime");
    fs::permissions(root / "runtime", fs::perms::owner_all);
    std::ofstream(root / "config" / "Tolvane Electronics" / "TolvaneQP.conf")
        << "[Settings]\nDefFolder=Personal\nOnTray=1\n";
    // 46-byte header of 8 kHz mono 16-bit with 800 bytes of silence.
    const unsigned char header[46] = {'R',  'I',  'F', 'F', 0x46, 3,    0,    0, 'W', 'A', 'V', 'E',
                                      'f',  'm',  't', ' ', 18,   0,    0,    0, 1,   0,   1,   0,
                                      0x40, 0x1f, 0,   0,   0x80, 0x3e, 0,    0, 2,   0,   16,  0,
                                      0,    0,    'd', 'a', 't',  'a',  0x20, 3, 0,   0};
    const std::string silence(800, '\0');
    for (int i = 0; i < kNotes; ++i) {
      std::ofstream note(root / "notes" / "Personal" / ("Note " + std::to_string(i) + ".wav"),
                         std::ios::binary);
      note.write(reinterpret_cast<const char*>(header), sizeof header);
      note << silence;
    }
    return root;
  }();
  // Removes the home when the benchmark program ends.
  static const struct Cleanup {
    ~Cleanup() {
      std::error_code ec;
      fs::remove_all(dir, ec);
    }
  } cleanup;
  return dir;
}

std::string program() {
  const char* path = std::getenv("QP_DESKTOP");
  return path != nullptr ? path : QP_DESKTOP_DEFAULT;
}

void setEnvironment() {
  const fs::path& root = home();
  setenv("HOME", root.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
  setenv("QUILLOPHONE_NOTES_DIR", (root / "notes").c_str(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("QUILLOPHONE_STARTUP_PROBE", "1", 1);
  setenv("LC_ALL", "C", 1);
}

// Starts the program with args; its standard error goes to errFd.
pid_t spawn(const std::vector<std::string>& args, int errFd) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, errFd, 2);
  std::vector<std::string> words = {program()};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& word : words) {
    argv.push_back(word.data());
  }
  argv.push_back(nullptr);
  pid_t pid = -1;
  posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

void endProgram(pid_t pid) {
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
}

// Reads the pipe until the probe's line arrives; false at its end.
bool waitForFirstFrame(int readFd) {
  std::string seen;
  char buffer[512];
  for (ssize_t n; (n = read(readFd, buffer, sizeof buffer)) > 0;) {
    seen.append(buffer, static_cast<std::size_t>(n));
    if (seen.find("first frame painted") != std::string::npos) {
      return true;
    }
  }
  return false;
}

void BM_StartToFirstFrame(benchmark::State& state) {
  setEnvironment();
  for (auto _ : state) {
    int fds[2];
    if (pipe(fds) != 0) {
      state.SkipWithError("pipe");
      return;
    }
    const auto start = Clock::now();
    const pid_t pid = spawn({}, fds[1]);
    close(fds[1]);
    const bool painted = waitForFirstFrame(fds[0]);
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    close(fds[0]);
    endProgram(pid);
    if (!painted) {
      state.SkipWithError("the window never painted");
      return;
    }
  }
}
BENCHMARK(BM_StartToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ProcessStartReference(benchmark::State& state) {
  setEnvironment();
  for (auto _ : state) {
    const auto start = Clock::now();
    const pid_t pid = spawn({"--version"}, 2);
    int status = 0;
    waitpid(pid, &status, 0);
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
}
BENCHMARK(BM_ProcessStartReference)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The value of a "Name:  N kB"-style line of /proc/PID/status.
long statusField(pid_t pid, const std::string& name) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.compare(0, name.size() + 1, name + ":") == 0) {
      return std::atol(line.c_str() + name.size() + 1);
    }
  }
  return -1;
}

void BM_IdleInTray(benchmark::State& state) {
  setEnvironment();
  for (auto _ : state) {
    int fds[2];
    if (pipe(fds) != 0) {
      state.SkipWithError("pipe");
      return;
    }
    const pid_t pid = spawn({"/tray"}, fds[1]);
    close(fds[1]);
    waitForFirstFrame(fds[0]);
    std::this_thread::sleep_for(std::chrono::seconds(1));  // let start-up work settle
    const long before = statusField(pid, "voluntary_ctxt_switches") +
                        statusField(pid, "nonvoluntary_ctxt_switches");
    constexpr int kIdleSeconds = 5;
    std::this_thread::sleep_for(std::chrono::seconds(kIdleSeconds));
    const long after = statusField(pid, "voluntary_ctxt_switches") +
                       statusField(pid, "nonvoluntary_ctxt_switches");
    state.counters["rss_MB"] = static_cast<double>(statusField(pid, "VmRSS")) / 1024.0;
    state.counters["wakeups_per_s"] = static_cast<double>(after - before) / kIdleSeconds;
    close(fds[0]);
    endProgram(pid);
  }
}
BENCHMARK(BM_IdleInTray)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
