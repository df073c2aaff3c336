#include "support/ProcessRunner.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
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

std::string probeField(const std::string& path, const std::string& entry) {
  const auto r = runCommand("ffprobe -v error -select_streams a:0 -show_entries " + entry +
                            " -of default=noprint_wrappers=1:nokey=1 " + shellQuote(path));
  return r.out.substr(0, r.out.find_first_of("\r\n"));
}

std::string shellWaitForFileGrowth(const std::string& path, std::uint64_t bytes,
                                   int deadlineSeconds) {
  const std::string size = "$(stat -c %s " + shellQuote(path) + " 2>/dev/null || echo 0)";
  return "start=" + size + "; i=0; while [ " + size + " -le $((start + " + std::to_string(bytes) +
         ")) ] && [ $i -lt " + std::to_string(deadlineSeconds * 20) +
         " ]; do sleep 0.05; i=$((i + 1)); done";
}

std::string cliHomeEnvironment(const std::string& configDir, const std::string& notesDir) {
  return "XDG_CONFIG_HOME=" + shellQuote(configDir) +
         " QUILLOPHONE_NOTES_DIR=" + shellQuote(notesDir) + " ";
}

void writeCliSettings(const std::string& configDir, const std::string& settingsLines) {
  const std::filesystem::path file =
      std::filesystem::path(configDir) / "Tolvane Electronics" / "TolvaneQP.conf";
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file) << "[Settings]\n" << settingsLines;
}

}  // namespace qp::test
