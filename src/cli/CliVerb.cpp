#include "cli/CliVerb.h"

#include <map>

namespace qp::cli {
namespace {

std::vector<CliVerb>& verbs() {
  static std::vector<CliVerb> all;
  return all;
}

std::map<std::string, const char*>& helpTexts() {
  static std::map<std::string, const char*> all;
  return all;
}

}  // namespace

const std::vector<CliVerb>& registeredVerbs() {
  return verbs();
}

CliVerbRegistration::CliVerbRegistration(const CliVerb& verb) {
  verbs().push_back(verb);
}

CliHelpRegistration::CliHelpRegistration(const char* verbName, const char* text) {
  helpTexts()[verbName] = text;
}

std::string verbHelp(const std::string& verbName) {
  const auto it = helpTexts().find(verbName);
  return it != helpTexts().end() ? std::string(it->second) : std::string();
}

}  // namespace qp::cli
