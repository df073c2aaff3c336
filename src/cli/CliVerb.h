#pragma once

#include <string>
#include <vector>

namespace qp::cli {

// Exit statuses of every verb.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUserError = 1;
inline constexpr int kExitUsage = 2;

// One verb of quillophone-cli: its name, a usage line for --help, and the function that runs
// it with the arguments after the verb.
struct CliVerb {
  const char* name;
  const char* usage;
  int (*run)(const std::vector<std::string>& args);
};

// All verbs, in the order they registered.
const std::vector<CliVerb>& registeredVerbs();

// A file-scope object of this type registers a verb at program start.
struct CliVerbRegistration {
  explicit CliVerbRegistration(const CliVerb& verb);
};

// The long help of a verb, printed after its usage line by "quillophone-cli VERB --help": what
// each option means, one paragraph or table. A file-scope object of this type registers it
// beside the verb; text must live as long as the program (a literal).
struct CliHelpRegistration {
  CliHelpRegistration(const char* verbName, const char* text);
};

// The long help registered for the verb; empty when there is none.
std::string verbHelp(const std::string& verbName);

}  // namespace qp::cli
