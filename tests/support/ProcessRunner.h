#pragma once

#include <cstdint>
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
// One entry of ffprobe's report on a media file ("stream=codec_name" of the first audio
// stream, "format=duration", ...): its value alone, empty when ffprobe cannot tell.
std::string probeField(const std::string& path, const std::string& entry);
// A shell snippet that waits until the file has grown by more than `bytes` since the snippet
// began (a missing file counts as empty), for at most deadlineSeconds so that a hang ends.
std::string shellWaitForFileGrowth(const std::string& path, std::uint64_t bytes,
                                   int deadlineSeconds = 30);
// The environment words that give quillophone-cli its settings under configDir and its notes
// under notesDir, ending in a space.
std::string cliHomeEnvironment(const std::string& configDir, const std::string& notesDir);
// Writes the program's settings file under configDir (as XDG_CONFIG_HOME) with the given
// "Name=value" lines in its [Settings] group.
void writeCliSettings(const std::string& configDir, const std::string& settingsLines);

}  // namespace qp::test
