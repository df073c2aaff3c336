#include "common/DiagnosticTrace.h"

#include <cstdio>
#include <mutex>
#include <string>
#include <utility>

namespace qp {
namespace {

std::mutex& traceMutex() {
  static std::mutex mutex;
  return mutex;
}

std::function<void(std::string_view)>& traceSink() {
  static std::function<void(std::string_view)> sink;
  return sink;
}

}  // namespace

void diagnosticTrace(std::string_view message) {
  std::lock_guard lock(traceMutex());
  if (traceSink()) {
    traceSink()(message);
    return;
  }
  std::string line(message);
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
}

void setDiagnosticTraceSink(std::function<void(std::string_view)> sink) {
  std::lock_guard lock(traceMutex());
  traceSink() = std::move(sink);
}

}  // namespace qp
