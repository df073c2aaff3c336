// quillophone-cli: the program's jobs without a window. "quillophone-cli VERB ARGS...".
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/CliVerb.h"
#include "common/LanguageId.h"
#include "common/StringTable.h"

namespace {

void printHelp() {
  std::printf(
      "Usage: quillophone-cli VERB [ARGS...]\n"
      "Quillophone's voice-note jobs without a window.\n\nVerbs:\n");
  for (const auto& verb : qp::cli::registeredVerbs()) {
    std::printf("  %s\n", verb.usage);
  }
  std::printf("\n  --help      this text\n  --version   the program's version\n");
}

}  // namespace

int main(int argc, char** argv) {
  // The interface language, chosen once before anything reads a text.
  qp::StringTable::setActive(qp::LanguageId::system());
  if (argc < 2) {
    printHelp();
    return qp::cli::kExitUsage;
  }
  const std::string verbName = argv[1];
  if (verbName == "--help" || verbName == "-h" || verbName == "help") {
    printHelp();
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
          std::printf("usage: quillophone-cli %s\n", verb.usage);
          return qp::cli::kExitOk;
        }
      }
      return verb.run(args);
    }
  }
  std::fprintf(stderr, "quillophone-cli: unknown verb '%s' (see --help)\n", verbName.c_str());
  return qp::cli::kExitUsage;
}
