// quillophone-cli: the program's jobs without a window. "quillophone-cli VERB ARGS...".
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/CliVerb.h"
#include "common/LanguageId.h"
#include "common/StringTable.h"

namespace {

// Where things live and what the exit status says: the end of every help text.
constexpr const char* kFilesAndStatus =
    "Notes live in folders under <Documents>/Quillophone (the XDG documents directory, or\n"
    "$QUILLOPHONE_NOTES_DIR when set). Settings: $XDG_CONFIG_HOME/Tolvane Electronics/\n"
    "TolvaneQP.conf (XDG_CONFIG_HOME defaults to ~/.config). E-mail attachments wait a day in\n"
    "$XDG_CACHE_HOME/quillophone/mail (XDG_CACHE_HOME defaults to ~/.cache).\n"
    "Exit status: 0 success, 1 a problem explained on standard error, 2 bad usage.\n";

void printHelp(std::FILE* out) {
  std::fprintf(out,
               "Usage: quillophone-cli VERB [ARGS...]\n"
               "Quillophone's voice-note jobs without a window.\n\nVerbs:\n");
  for (const auto& verb : qp::cli::registeredVerbs()) {
    std::fprintf(out, "  %s\n", verb.usage);
  }
  std::fprintf(out,
               "\n  --help      this text\n  --version   the program's version\n"
               "  VERB --help what the verb's options mean\n\n%s",
               kFilesAndStatus);
}

void printVerbHelp(const qp::cli::CliVerb& verb) {
  std::printf("usage: quillophone-cli %s\n", verb.usage);
  const std::string help = qp::cli::verbHelp(verb.name);
  if (!help.empty()) {
    std::printf("\n%s", help.c_str());
    if (help.back() != '\n') {
      std::printf("\n");
    }
  }
  std::printf("\n%s", kFilesAndStatus);
}

}  // namespace

int main(int argc, char** argv) {
  // The interface language, chosen once before anything reads a text.
  qp::StringTable::setActive(qp::LanguageId::system());
  if (argc < 2) {
    printHelp(stderr);  // a verb is missing: bad usage, so not on standard output
    return qp::cli::kExitUsage;
  }
  const std::string verbName = argv[1];
  if (verbName == "--help" || verbName == "-h" || verbName == "help") {
    printHelp(stdout);
    return qp::cli::kExitOk;
  }
  if (verbName == "--version") {
    std::printf("quillophone-cli %s\n", QP_VERSION);
    return qp::cli::kExitOk;
  }
  for (const auto& verb : qp::cli::registeredVerbs()) {
    if (verbName == verb.name) {
      std::vector<std::string> args(argv + 2, argv + argc);
      for (const auto& arg : args) {
        if (arg == "--") {
          break;  // a file named "--help" may follow
        }
        if (arg == "--help") {
          printVerbHelp(verb);
          return qp::cli::kExitOk;
        }
      }
      return verb.run(args);
    }
  }
  std::fprintf(stderr, "quillophone-cli: unknown verb '%s' (see --help)\n", verbName.c_str());
  return qp::cli::kExitUsage;
}
