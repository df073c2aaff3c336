// The Linux launcher against real programs: exit statuses and signals, programs that cannot
// start, arguments handed over byte for byte, the new session of a started program, signal
// state that does not leak into the child, and no zombie left behind.
#include "platform/PosixProcessLauncher.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/TempDir.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
using Kind = ProcessExit::Kind;

// Writes each argument followed by a NUL into the file named by $0, complete or not at all.
constexpr const char* kEchoArguments =
    R"(for a in "$@"; do printf '%s\0' "$a"; done > "$0.part" && mv "$0.part" "$0")";

// The processes whose parent is this one, zombies included.
std::vector<pid_t> childrenOfThisProcess() {
  std::vector<pid_t> children;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator("/proc", ec)) {
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) {
      continue;
    }
    // pid (comm) state ppid ...: comm may hold blanks and parentheses, so parse after the last ')'.
    std::istringstream rest(line.substr(line.rfind(')') + 1));
    char state = 0;
    pid_t parent = 0;
    if (rest >> state >> parent && parent == ::getpid()) {
      children.push_back(std::stoi(entry.path().filename().string()));
    }
  }
  return children;
}

// True once check holds, polling for up to ten seconds.
template <typename Check>
bool eventually(Check check) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!check()) {
    if (std::chrono::steady_clock::now() > deadline) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

bool noChildLeft() {
  return eventually([] { return childrenOfThisProcess().empty(); });
}

std::vector<std::string> argumentsWrittenTo(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> arguments;
  for (std::string a; std::getline(in, a, '\0');) {
    arguments.push_back(a);
  }
  return arguments;
}

std::string textOf(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(PosixProcessLauncher, RunReportsHowTheProgramEndedAndReapsIt) {
  test::TempDir dir;
  const std::string notExecutable = dir.file("plain");
  test::writeFileBytes(notExecutable, {'#', '!', '/', 'b', 'i', 'n', '/', 's', 'h', '\n'});
  ::chmod(notExecutable.c_str(), 0644);
  struct Row {
    std::string program;
    std::vector<std::string> arguments;
    Kind kind;
    int code;
  };
  const Row rows[] = {
      {"true", {}, Kind::Exited, 0},
      {"false", {}, Kind::Exited, 1},
      {"sh", {"-c", "exit 3"}, Kind::Exited, 3},
      {"/bin/sh", {"-c", "exit 255"}, Kind::Exited, 255},
      {"sh", {"-c", "kill -TERM $$"}, Kind::Signalled, SIGTERM},
      {"quillophone-no-such-program", {}, Kind::NotStarted, 0},
      {"/no/such/directory/true", {}, Kind::NotStarted, 0},
      {notExecutable, {}, Kind::NotStarted, 0},
      {"", {}, Kind::NotStarted, 0},
  };
  PosixProcessLauncher launcher;
  for (const Row& row : rows) {
    const ProcessExit ended = launcher.run(row.program, row.arguments);
    EXPECT_EQ(ended.kind, row.kind) << row.program;
    EXPECT_EQ(ended.code, row.code) << row.program;
    EXPECT_EQ(ended.succeeded(), row.kind == Kind::Exited && row.code == 0) << row.program;
    EXPECT_TRUE(childrenOfThisProcess().empty()) << row.program;  // reaped before run returned
  }
}

TEST(PosixProcessLauncher, ArgumentsReachTheProgramUnchanged) {
  test::TempDir dir;
  const std::vector<std::string> tricky = {"two words",   "it's",  "\"quoted\"", "",
                                           "back\\slash", "$HOME", "*",          "a\nb",
                                           "x;y|z",       "Ünï",   "  padded  "};
  PosixProcessLauncher launcher;
  std::vector<std::string> arguments = {"-c", kEchoArguments, dir.file("run")};
  arguments.insert(arguments.end(), tricky.begin(), tricky.end());
  ASSERT_TRUE(launcher.run("sh", arguments).succeeded());
  EXPECT_EQ(argumentsWrittenTo(dir.file("run")), tricky);

  arguments[2] = dir.file("start");
  ASSERT_TRUE(launcher.start("sh", arguments));
  ASSERT_TRUE(eventually([&] { return fs::exists(dir.file("start")); }));
  EXPECT_EQ(argumentsWrittenTo(dir.file("start")), tricky);
  EXPECT_TRUE(noChildLeft());
}

TEST(PosixProcessLauncher, StartReturnsAtOnceInANewSessionAndTheProgramIsReapedWhenItEnds) {
  test::TempDir dir;
  const std::string gate = dir.file("gate");
  ASSERT_EQ(::mkfifo(gate.c_str(), 0600), 0);
  // The program reports its pid and session, then blocks until the test writes to the gate.
  const std::string script =
      R"(set -- $(cat /proc/$$/stat); echo "$1 $6" > "$0.part" && mv "$0.part" "$0"; cat )" + gate +
      " > /dev/null";
  PosixProcessLauncher launcher;
  ASSERT_TRUE(launcher.start("sh", {"-c", script, dir.file("ids")}));
  ASSERT_TRUE(eventually([&] { return fs::exists(dir.file("ids")); }));
  std::istringstream ids(textOf(dir.file("ids")));
  pid_t pid = 0;
  pid_t session = 0;
  ASSERT_TRUE(ids >> pid >> session);
  EXPECT_EQ(session, pid);  // the leader of a session of its own
  EXPECT_NE(session, ::getsid(0));
  EXPECT_EQ(childrenOfThisProcess(), std::vector<pid_t>{pid});  // still running
  std::ofstream(gate) << "go\n";
  EXPECT_TRUE(noChildLeft());
  EXPECT_FALSE(launcher.start("quillophone-no-such-program", {}));
  EXPECT_TRUE(noChildLeft());
}

TEST(PosixProcessLauncher, TheProgramGetsDefaultSignalsAndThisSessionWhateverThisProcessSet) {
  sigset_t blockTerm;
  sigemptyset(&blockTerm);
  sigaddset(&blockTerm, SIGTERM);
  sigset_t previousMask;
  ASSERT_EQ(::pthread_sigmask(SIG_BLOCK, &blockTerm, &previousMask), 0);
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  struct sigaction previousInt {};
  ASSERT_EQ(::sigaction(SIGINT, &ignore, &previousInt), 0);

  PosixProcessLauncher launcher;
  const ProcessExit term = launcher.run("sh", {"-c", "kill -TERM $$; exit 0"});
  const ProcessExit interrupt = launcher.run("sh", {"-c", "kill -INT $$; exit 0"});
  const ProcessExit sameSession = launcher.run(
      "sh", {"-c", R"(set -- $(cat /proc/$$/stat); [ "$6" = "$0" ])", std::to_string(::getsid(0))});

  ::sigaction(SIGINT, &previousInt, nullptr);
  ::pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
  EXPECT_EQ(term.kind, Kind::Signalled);
  EXPECT_EQ(term.code, SIGTERM);
  EXPECT_EQ(interrupt.kind, Kind::Signalled);
  EXPECT_EQ(interrupt.code, SIGINT);
  EXPECT_TRUE(sameSession.succeeded());
}

}  // namespace
}  // namespace qp
