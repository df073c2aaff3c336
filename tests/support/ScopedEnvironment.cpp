#include "support/ScopedEnvironment.h"

#include <cstdlib>

namespace qp::test {

ScopedEnvironment::~ScopedEnvironment() {
  for (const auto& [name, value] : saved_) {
    if (value) {
      setenv(name.c_str(), value->c_str(), 1);
    } else {
      unsetenv(name.c_str());
    }
  }
}

void ScopedEnvironment::set(const char* name, const std::string& value) {
  remember(name);
  setenv(name, value.c_str(), 1);
}

void ScopedEnvironment::unset(const char* name) {
  remember(name);
  unsetenv(name);
}

void ScopedEnvironment::remember(const char* name) {
  if (!saved_.count(name)) {
    const char* value = std::getenv(name);
    saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
  }
}

}  // namespace qp::test
