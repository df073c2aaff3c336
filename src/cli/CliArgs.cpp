#include "cli/CliArgs.h"

#include <cstdio>
#include <cstdlib>

#include "cli/CliVerb.h"

namespace qp::cli {

bool CliArgs::parse(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                    const std::set<std::string>& flags) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {  // the rest are positionals, even when they start with "--"
      positional_.insert(positional_.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                         args.end());
      break;
    }
    if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
      positional_.push_back(arg);
      continue;
    }
    const auto eq = arg.find('=');
    const std::string name = arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
    if (flags.count(name) != 0 && eq == std::string::npos) {
      flags_.insert(name);
    } else if (valueOptions.count(name) != 0) {
      if (eq != std::string::npos) {
        values_[name] = arg.substr(eq + 1);
      } else if (i + 1 < args.size()) {
        values_[name] = args[++i];
      } else {
        error_ = "option --" + name + " needs a value";
        return false;
      }
    } else {
      error_ = "unknown option " + arg;
      return false;
    }
  }
  return true;
}

std::optional<std::string> CliArgs::value(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) {
    return std::nullopt;
  }
  return it->second;
}

bool CliArgs::intValue(const std::string& name, long min, long max, std::optional<long>& out) {
  const auto text = value(name);
  if (!text) {
    return true;
  }
  char* end = nullptr;
  const long v = std::strtol(text->c_str(), &end, 10);
  if (text->empty() || *end != '\0' || v < min || v > max) {
    error_ = "--" + name + " must be a whole number from " + std::to_string(min) + " to " +
             std::to_string(max);
    return false;
  }
  out = v;
  return true;
}

bool CliArgs::doubleValue(const std::string& name, double min, double max,
                          std::optional<double>& out) {
  const auto text = value(name);
  if (!text) {
    return true;
  }
  char* end = nullptr;
  const double v = std::strtod(text->c_str(), &end);
  if (text->empty() || *end != '\0' || !(v >= min && v <= max)) {
    error_ = "--" + name + " is out of range";
    return false;
  }
  out = v;
  return true;
}

int usageError(const std::string& message, const char* usage) {
  std::fprintf(stderr, "quillophone-cli: %s\nusage: quillophone-cli %s\n", message.c_str(), usage);
  return kExitUsage;
}

int userError(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return kExitUserError;
}

}  // namespace qp::cli
