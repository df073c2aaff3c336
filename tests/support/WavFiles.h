#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "audio/wave/WaveFormat.h"

// Notes on disk through the program's own reader and writer: what a test reads back after a
// recording, an edit or a conversion, and the notes it starts from.
namespace qp::test {

// The bytes of the file's data chunk; format, when given, receives the file's format. A file
// that cannot be opened or read to the end records a test failure.
std::vector<std::uint8_t> readWavData(const std::string& path, WaveFormat* format = nullptr);
// The same data as 16-bit samples (interleaved when there are several channels).
std::vector<std::int16_t> readWavSamples(const std::string& path, WaveFormat* format = nullptr);

// Writes a note of the given format and data with WaveFileWriter; returns the path. A file
// that cannot be written records a test failure.
std::string writeWavNote(const std::string& path, const WaveFormat& format,
                         const std::vector<std::uint8_t>& data);
std::string writeWavNote(const std::string& path, const WaveFormat& format,
                         const std::vector<std::int16_t>& samples);

}  // namespace qp::test
