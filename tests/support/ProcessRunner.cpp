#include "support/ProcessRunner.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/TempDir.h"

namespace qp::test {

ProcessResult runCommand(const std::string& commandLine) {
  TempDir dir;
  const std::string errPath = dir.file("stderr");
  const std::string full = commandLine + " 2>" + shellQuote(errPath);
  ProcessResult result;
  std::FILE* pipe = ::popen(full.c_str(), "r");
  if (pipe == nullptr) {
    return result;
  }
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
    result.out.append(buffer, n);
  }
  const int status = ::pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(errPath);
  std::stringstream text;
  text << err.rdbuf();
  result.err = text.str();
  return result;
}

std::string shellQuote(const std::string& arg) {
  std::string out = "'";
  for (const char c : arg) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

std::string cliCommand() {
  const char* cli = std::getenv("QP_CLI");
  return shellQuote(cli != nullptr ? cli : "quillophone-cli");
}

bool haveProgram(const std::string& name) {
  return runCommand("command -v " + shellQuote(name) + " >/dev/null").exitCode == 0;
}

}  // namespace qp::test
