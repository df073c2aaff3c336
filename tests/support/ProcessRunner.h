#pragma once

#include <string>

namespace qp::test {

struct ProcessResult {
  int exitCode = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs a shell command line, capturing standard output and standard error.
ProcessResult runCommand(const std::string& commandLine);
// Quotes one argument for the shell.
std::string shellQuote(const std::string& arg);
// The path of quillophone-cli (from QP_CLI), quoted for the shell.
std::string cliCommand();
// True when the named program is on PATH.
bool haveProgram(const std::string& name);

}  // namespace qp::test
