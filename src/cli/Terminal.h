#pragma once

#include <string>

namespace qp::cli {

// What a long job needs from the terminal: a progress line that is shown only when standard
// error is a terminal, and a stop request from Ctrl-C, SIGTERM or (optionally) Enter.
class Terminal {
 public:
  // Installs the Ctrl-C and SIGTERM handlers for the life of the object.
  explicit Terminal(bool stopOnEnter);
  ~Terminal();
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  // True once Ctrl-C, SIGTERM or (when asked for) a line on standard input came in, and from
  // then on.
  bool stopRequested();
  // Rewrites the progress line (terminal only).
  void progress(const std::string& text);
  // Ends the progress line, if one was shown.
  void finish();

 private:
  bool stopOnEnter_;
  bool stdinOpen_ = true;
  bool stopped_ = false;  // a stop request stays in force once seen
  bool showing_ = false;
  bool isTerminal_;
};

// Whether standard input is a terminal, so that someone can answer a question.
bool inputIsTerminal();

// Asks question (on one line, followed by " [y/N] ") on standard error and reads one line of
// answer from standard input: true for an answer beginning with y or Y; end of input is No.
bool askOnTerminal(const std::string& question);

}  // namespace qp::cli
