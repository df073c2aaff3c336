#include "cli/Terminal.h"

#include <poll.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <iostream>

#include "cli/CliMessages.h"

namespace qp::cli {
namespace {

volatile std::sig_atomic_t gStopSignal = 0;

extern "C" void onStopSignal(int /*signal*/) {
  gStopSignal = 1;
}

}  // namespace

Terminal::Terminal(bool stopOnEnter)
    : stopOnEnter_(stopOnEnter), isTerminal_(::isatty(STDERR_FILENO) != 0) {
  gStopSignal = 0;
  struct sigaction action {};
  action.sa_handler = &onStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

Terminal::~Terminal() {
  finish();
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
}

bool Terminal::stopRequested() {
  if (gStopSignal != 0 || stopped_) {
    return true;
  }
  if (!stopOnEnter_ || !stdinOpen_) {
    return false;
  }
  pollfd input{STDIN_FILENO, POLLIN, 0};
  if (::poll(&input, 1, 0) <= 0 || (input.revents & (POLLIN | POLLHUP)) == 0) {
    return false;
  }
  char c = 0;
  const ssize_t n = ::read(STDIN_FILENO, &c, 1);
  if (n <= 0) {
    stdinOpen_ = false;  // no more input: only signals can stop the job now
    return false;
  }
  stopped_ = c == '\n';
  return stopped_;
}

void Terminal::progress(const std::string& text) {
  if (!isTerminal_) {
    return;
  }
  std::fprintf(stderr, "\r%s\033[K", text.c_str());
  std::fflush(stderr);
  showing_ = true;
}

void Terminal::finish() {
  if (showing_) {
    std::fputc('\n', stderr);
    showing_ = false;
  }
}

bool inputIsTerminal() {
  return ::isatty(STDIN_FILENO) != 0;
}

bool askOnTerminal(const std::string& question) {
  std::fprintf(stderr, "%s [y/N] ", oneLine(question).c_str());
  std::fflush(stderr);
  std::string answer;
  if (!std::getline(std::cin, answer)) {
    std::fprintf(stderr, "\n");
    return false;
  }
  return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

}  // namespace qp::cli
