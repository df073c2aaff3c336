#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "audio/wave/WaveFormat.h"

namespace qp::test {

using Bytes = std::vector<std::uint8_t>;

// One RIFF chunk: 4-byte id, size (the body's, unless overridden), body, pad byte if odd.
Bytes chunk(const char* id, const Bytes& body, std::optional<std::uint32_t> sizeField = {});
// Body of a "fmt " chunk: the 16 PCM bytes, then (when bodySize > 16) cbSize and the extra
// bytes, padded with zeros or cut to bodySize.
Bytes fmtBody(const WaveFormat& format, std::uint32_t bodySize = 16, const Bytes& extra = {});
// "RIFF", size (of what follows, unless overridden), "WAVE", then the chunks.
Bytes riffWave(const std::vector<Bytes>& chunks, std::optional<std::uint32_t> sizeField = {});
// A plain PCM file with a 16-byte fmt chunk and the given sample bytes.
Bytes simpleWav(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                const Bytes& samples);
// A LIST/INFO chunk as audio tools write it.
Bytes listInfoChunk(const std::string& title);
// Writes a plain mono 16-bit file of a 440 Hz tone at path, making its folders; returns the
// path.
std::string writeToneWav(const std::string& path, double seconds = 1.0, std::uint32_t rate = 8000);

}  // namespace qp::test
