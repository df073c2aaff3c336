#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/ProcessLauncher.h"

namespace qp::test {

// A launcher that starts nothing: it records each call and answers as the test sets.
class FakeProcessLauncher final : public ProcessLauncher {
 public:
  struct Call {
    bool waited;  // run (true) or start (false)
    std::string program;
    std::vector<std::string> arguments;
    bool operator==(const Call&) const = default;
  };

  bool start(const std::string& program, const std::vector<std::string>& arguments) override {
    calls.push_back({false, program, arguments});
    return startResult;
  }
  ProcessExit run(const std::string& program, const std::vector<std::string>& arguments) override {
    calls.push_back({true, program, arguments});
    if (whileRunning) {
      whileRunning(arguments);
    }
    return runResult;
  }

  std::vector<Call> calls;
  bool startResult = true;
  ProcessExit runResult{ProcessExit::Kind::Exited, 0};
  // Called inside run, while the program would be running.
  std::function<void(const std::vector<std::string>&)> whileRunning;
};

}  // namespace qp::test
