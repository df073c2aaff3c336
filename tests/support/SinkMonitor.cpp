#include "support/SinkMonitor.h"

#include <filesystem>
#include <system_error>

#include "support/ProcessRunner.h"

namespace qp::test {

std::uint64_t fileBytes(const std::string& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  return ec ? 0 : static_cast<std::uint64_t>(size);
}

std::string sinkMonitorRecordCommand(const std::string& heardPath) {
  return "PULSE_SOURCE=qp_sink.monitor " + cliCommand() + " record " + shellQuote(heardPath) +
         " --seconds 3600";
}

std::string whileRecordingSinkMonitor(const std::string& heardPath,
                                      const std::string& commandLine) {
  return sinkMonitorRecordCommand(heardPath) + " </dev/null >/dev/null & rec=$!; " +
         shellWaitForFileGrowth(heardPath, kWaveHeaderBytes) + "; " + commandLine + "; code=$?; " +
         shellWaitForFileGrowth(heardPath, kHeardBytesPerSecond / 2) +
         "; kill -INT $rec; wait $rec; echo $code";
}

}  // namespace qp::test
