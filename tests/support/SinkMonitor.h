#pragma once

#include <cstdint>
#include <string>

// The test sound server's default sink is a null sink; what is played into it is heard back by
// recording its monitor source with quillophone-cli (22050 Hz, mono, 16-bit: 44100 bytes a
// second).
namespace qp::test {

inline constexpr std::uint64_t kHeardBytesPerSecond = 44100;
// The header the recorder writes first; the file grows past it once sound arrives.
inline constexpr std::uint64_t kWaveHeaderBytes = 46;

// Bytes in the file so far; 0 while it does not exist.
std::uint64_t fileBytes(const std::string& path);

// quillophone-cli recording the sink's monitor into heardPath until Ctrl-C (or an hour).
std::string sinkMonitorRecordCommand(const std::string& heardPath);
// A shell command line that records the sink's monitor into heardPath, runs commandLine once
// sound is arriving in the file, lets another half second in, stops the recording with Ctrl-C
// and prints the exit status of commandLine.
std::string whileRecordingSinkMonitor(const std::string& heardPath, const std::string& commandLine);

}  // namespace qp::test
