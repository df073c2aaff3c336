#include "support/WavFixtures.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "support/SignalGenerators.h"
#include "support/TempDir.h"

#include "common/LittleEndian.h"

namespace qp::test {
namespace {

void append32(Bytes& out, std::uint32_t v) {
  std::uint8_t field[4];
  putLe32(field, v);
  out.insert(out.end(), field, field + 4);
}

void appendId(Bytes& out, const char* id) {
  for (int i = 0; i < 4; ++i) {
    out.push_back(static_cast<std::uint8_t>(id[i]));
  }
}

}  // namespace

Bytes chunk(const char* id, const Bytes& body, std::optional<std::uint32_t> sizeField) {
  Bytes out;
  appendId(out, id);
  append32(out, sizeField.value_or(static_cast<std::uint32_t>(body.size())));
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() % 2 != 0) {
    out.push_back(0);
  }
  return out;
}

Bytes fmtBody(const WaveFormat& format, std::uint32_t bodySize, const Bytes& extra) {
  const auto record = format.toBytes();
  Bytes full(record.size() + extra.size());
  std::memcpy(full.data(), record.data(), record.size());
  if (!extra.empty()) {
    std::memcpy(full.data() + record.size(), extra.data(), extra.size());
  }
  Bytes out(bodySize, 0);
  const std::size_t used = bodySize > 16 ? full.size() : 16;
  std::memcpy(out.data(), full.data(), std::min<std::size_t>(used, bodySize));
  return out;
}

Bytes riffWave(const std::vector<Bytes>& chunks, std::optional<std::uint32_t> sizeField) {
  Bytes body;
  appendId(body, "WAVE");
  for (const auto& c : chunks) {
    body.insert(body.end(), c.begin(), c.end());
  }
  Bytes out;
  appendId(out, "RIFF");
  append32(out, sizeField.value_or(static_cast<std::uint32_t>(body.size())));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

Bytes simpleWav(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                const Bytes& samples) {
  return riffWave(
      {chunk("fmt ", fmtBody(WaveFormat::pcm(channels, rate, bits))), chunk("data", samples)});
}

Bytes listInfoChunk(const std::string& title) {
  Bytes body;
  appendId(body, "INFO");
  Bytes text(title.begin(), title.end());
  text.push_back(0);
  const Bytes inam = chunk("INAM", text);
  body.insert(body.end(), inam.begin(), inam.end());
  return chunk("LIST", body);
}

std::string writeToneWav(const std::string& path, double seconds, std::uint32_t rate) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  const auto count = static_cast<std::size_t>(seconds * rate);
  writeFileBytes(path, simpleWav(1, rate, 16, toBytes(sine(440, rate, count))));
  return path;
}

}  // namespace qp::test
