// The terminal of long jobs without a real terminal: stop requests from Enter on a pipe, from
// the end of input and from Ctrl-C or SIGTERM, and the progress line, which a pipe never gets
// and a pseudo-terminal gets as one rewritten line.
#include "cli/Terminal.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <optional>
#include <string>
#include <vector>

#include "support/WaitUntil.h"

namespace qp::cli {
namespace {

// Puts another file on one of this process's standard descriptors for the object's lifetime.
class DescriptorSwap {
 public:
  DescriptorSwap(int standard, int replacement) : standard_(standard), saved_(::dup(standard)) {
    ::dup2(replacement, standard_);
  }
  ~DescriptorSwap() {
    ::dup2(saved_, standard_);
    ::close(saved_);
  }
  DescriptorSwap(const DescriptorSwap&) = delete;
  DescriptorSwap& operator=(const DescriptorSwap&) = delete;

 private:
  int standard_;
  int saved_;
};

// A pipe whose read end is standard input while the object lives.
class PipedInput {
 public:
  PipedInput() {
    EXPECT_EQ(::pipe(ends_), 0);
    swap_.emplace(STDIN_FILENO, ends_[0]);
  }
  ~PipedInput() {
    swap_.reset();
    closeWriting();
    ::close(ends_[0]);
  }
  void write(const std::string& text) {
    ASSERT_EQ(::write(ends_[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  void closeWriting() {
    if (ends_[1] >= 0) {
      ::close(ends_[1]);
      ends_[1] = -1;
    }
  }

 private:
  int ends_[2] = {-1, -1};
  std::optional<DescriptorSwap> swap_;
};

// The answers to asking for a stop a number of times (more often than the input has bytes).
std::vector<bool> answers(Terminal& terminal, int asks) {
  std::vector<bool> out;
  for (int i = 0; i < asks; ++i) {
    out.push_back(terminal.stopRequested());
  }
  return out;
}

struct InputRow {
  const char* what;
  bool stopOnEnter;
  std::string input;
  bool endInput;
  bool stops;
};

const InputRow kInputRows[] = {
    {"nothing typed", true, "", false, false},
    {"Enter", true, "\n", false, true},
    {"a line", true, "stop\n", false, true},
    {"text without Enter", true, "abc", false, false},
    {"end of input", true, "", true, false},
    {"text, then end of input", true, "abc", true, false},
    {"Enter when only signals stop", false, "\n", false, false},
};

TEST(TerminalTest, EnterOnStandardInputStopsWhenAskedFor) {
  for (const InputRow& row : kInputRows) {
    SCOPED_TRACE(row.what);
    PipedInput input;
    input.write(row.input);
    if (row.endInput) {
      input.closeWriting();
    }
    Terminal terminal(row.stopOnEnter);
    const std::vector<bool> said = answers(terminal, 20);
    EXPECT_EQ(said.back(), row.stops);
    // Once seen, a stop request stays.
    EXPECT_TRUE(std::is_sorted(said.begin(), said.end()));
  }
}

TEST(TerminalTest, WithoutStopOnEnterTheInputIsLeftUnread) {
  PipedInput input;
  input.write("\n");
  {
    Terminal terminal(false);
    EXPECT_FALSE(terminal.stopRequested());
  }
  char c = 0;
  EXPECT_EQ(::read(STDIN_FILENO, &c, 1), 1);
  EXPECT_EQ(c, '\n');
}

TEST(TerminalTest, CtrlCAndTermStopTheJobInsteadOfTheProgram) {
  for (const int signal : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(signal);
    {
      Terminal terminal(false);
      EXPECT_FALSE(terminal.stopRequested());
      ASSERT_EQ(::raise(signal), 0);  // handled: the test goes on
      EXPECT_TRUE(terminal.stopRequested());
      EXPECT_TRUE(terminal.stopRequested());
    }
    // The next job starts without the old request, and after the job the signal is back to
    // ending the program.
    {
      Terminal next(false);
      EXPECT_FALSE(next.stopRequested());
    }
    struct sigaction now {};
    ASSERT_EQ(::sigaction(signal, nullptr, &now), 0);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
  }
}

// What is readable from the descriptor until `expected` bytes came (or the deadline passed).
std::string readAtLeast(int fd, std::size_t expected) {
  std::string got;
  test::waitUntil([&] {
    pollfd ready{fd, POLLIN, 0};
    while (::poll(&ready, 1, 0) > 0 && (ready.revents & POLLIN) != 0) {
      char buffer[256];
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n <= 0) {
        break;
      }
      got.append(buffer, static_cast<std::size_t>(n));
    }
    return got.size() >= expected;
  });
  return got;
}

TEST(TerminalTest, ProgressGoesOnlyToATerminal) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  {
    DescriptorSwap swap(STDERR_FILENO, ends[1]);
    Terminal terminal(false);
    terminal.progress("Recording 1 s");
    terminal.finish();
  }
  ::close(ends[1]);
  char c = 0;
  EXPECT_EQ(::read(ends[0], &c, 1), 0);  // nothing was written
  ::close(ends[0]);
}

TEST(TerminalTest, ProgressRewritesOneLineOnAPseudoTerminal) {
  int master = -1;
  int slave = -1;
  ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
  termios raw{};
  ASSERT_EQ(::tcgetattr(slave, &raw), 0);
  ::cfmakeraw(&raw);  // bytes as written, no line-ending translation
  ASSERT_EQ(::tcsetattr(slave, TCSANOW, &raw), 0);
  {
    DescriptorSwap swap(STDERR_FILENO, slave);
    Terminal terminal(false);
    terminal.finish();  // no line shown yet: nothing to end
    terminal.progress("Recording 1 s");
    terminal.progress("Recording 2 s");
    terminal.finish();
  }  // finished already: going away adds nothing
  const std::string expected = "\rRecording 1 s\033[K\rRecording 2 s\033[K\n";
  EXPECT_EQ(readAtLeast(master, expected.size()), expected);
  ::close(slave);
  ::close(master);
}

}  // namespace
}  // namespace qp::cli
