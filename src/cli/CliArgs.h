#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qp::cli {

// GNU-style arguments of one verb: positionals, "--name value" or "--name=value" options,
// and "--flag" switches; "--" ends the options (a note named "--x.wav" comes after it).
// Unknown options are an error the verb reports as bad usage.
class CliArgs {
 public:
  // valueOptions take a value; flags do not. False (with error()) on anything unknown.
  bool parse(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
             const std::set<std::string>& flags = {});

  const std::vector<std::string>& positional() const { return positional_; }
  std::optional<std::string> value(const std::string& name) const;
  bool has(const std::string& name) const { return flags_.count(name) != 0; }
  const std::string& error() const { return error_; }

  // Whole-number option within [min, max]; nothing when absent; false on a bad value.
  bool intValue(const std::string& name, long min, long max, std::optional<long>& out);
  bool doubleValue(const std::string& name, double min, double max, std::optional<double>& out);

 private:
  std::vector<std::string> positional_;
  std::map<std::string, std::string> values_;
  std::set<std::string> flags_;
  std::string error_;
};

// Prints "quillophone-cli: <message>" and the usage line to stderr; returns kExitUsage.
int usageError(const std::string& message, const char* usage);
// Prints the program's message to stderr; returns kExitUserError.
int userError(const std::string& message);

}  // namespace qp::cli
