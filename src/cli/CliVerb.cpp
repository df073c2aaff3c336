#include "cli/CliVerb.h"

namespace qp::cli {
namespace {

std::vector<CliVerb>& verbs() {
  static std::vector<CliVerb> all;
  return all;
}

}  // namespace

const std::vector<CliVerb>& registeredVerbs() {
  return verbs();
}

CliVerbRegistration::CliVerbRegistration(const CliVerb& verb) {
  verbs().push_back(verb);
}

}  // namespace qp::cli
