#include "support/WavFiles.h"

#include <gtest/gtest.h>

#include "audio/wave/WaveFileReader.h"
#include "audio/wave/WaveFileWriter.h"
#include "support/SignalGenerators.h"

namespace qp::test {

std::vector<std::uint8_t> readWavData(const std::string& path, WaveFormat* format) {
  WaveFileReader reader;
  if (!reader.open(path)) {
    ADD_FAILURE() << "cannot open " << path;
    return {};
  }
  if (format != nullptr) {
    *format = reader.format();
  }
  std::vector<std::uint8_t> data(reader.dataSize());
  const std::uint32_t got = reader.read(data.data(), reader.dataSize());
  EXPECT_EQ(got, reader.dataSize()) << path;
  data.resize(got);
  return data;
}

std::vector<std::int16_t> readWavSamples(const std::string& path, WaveFormat* format) {
  return fromBytes(readWavData(path, format));
}

std::string writeWavNote(const std::string& path, const WaveFormat& format,
                         const std::vector<std::uint8_t>& data) {
  WaveFileWriter writer;
  EXPECT_TRUE(writer.open(path, format)) << path;
  writer.write(data.data(), static_cast<std::uint32_t>(data.size()));
  EXPECT_TRUE(writer.close()) << path;
  return path;
}

std::string writeWavNote(const std::string& path, const WaveFormat& format,
                         const std::vector<std::int16_t>& samples) {
  return writeWavNote(path, format, toBytes(samples));
}

}  // namespace qp::test
