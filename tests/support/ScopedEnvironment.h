#pragma once

#include <map>
#include <optional>
#include <string>

namespace qp::test {

// Sets or removes environment variables for the object's lifetime (one test) and restores
// each one it touched afterwards.
class ScopedEnvironment {
 public:
  ScopedEnvironment() = default;
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  void set(const char* name, const std::string& value);
  void unset(const char* name);

 private:
  void remember(const char* name);
  std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace qp::test
