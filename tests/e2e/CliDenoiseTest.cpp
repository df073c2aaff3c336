// quillophone-cli denoise: the verb gives the same bytes as the filter run the way a recording
// runs it, keeps the note's format, and refuses formats and block sizes it cannot handle.
#include <gtest/gtest.h>

#include <filesystem>

#include "audio/device/BufferSizing.h"
#include "dsp/CSilkvoiceFilter.h"
#include "support/BufferCompare.h"
#include "support/ProcessRunner.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"
#include "support/WavFiles.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::readWavData;
using test::runCommand;
using test::shellQuote;

class CliDenoiseTest : public testing::Test {
 protected:
  std::string writeNote(const std::string& name, const WaveFormat& format, const Bytes& data) {
    return test::writeWavNote(dir_.file(name), format, data);
  }
  test::ProcessResult denoise(const std::string& in, const std::string& out,
                              const std::string& extra = "") {
    return runCommand(test::cliCommand() + " denoise " + shellQuote(in) + " " + shellQuote(out) +
                      extra);
  }
  // What a recording would write: Configure once, Process on blocks, keep what is returned.
  static Bytes expected(const WaveFormat& f, Bytes data, std::uint32_t block) {
    dsp::CSilkvoiceFilter filter;
    filter.Configure(f.nSamplesPerSec, f.wBitsPerSample, f.nChannels);
    Bytes out;
    for (std::size_t at = 0; at < data.size(); at += block) {
      const auto n = static_cast<std::uint32_t>(std::min<std::size_t>(block, data.size() - at));
      const std::uint32_t r = filter.Process(data.data() + at, n);
      out.insert(out.end(), data.begin() + static_cast<long>(at),
                 data.begin() + static_cast<long>(at + r));
    }
    return out;
  }
  test::TempDir dir_;
};

TEST_F(CliDenoiseTest, WritesWhatARecordingWouldWriteInTheSameFormat) {
  struct Row {
    std::uint16_t channels;
    std::uint32_t rate;
    std::uint16_t bits;
  } rows[] = {{1, 11025, 16}, {1, 44100, 16}, {2, 8000, 8}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.rate));
    const WaveFormat format = WaveFormat::pcm(row.channels, row.rate, row.bits);
    Bytes data = test::toBytes(test::noise(row.rate * 2, 2000.0, 4));
    data.resize(data.size() / format.nBlockAlign * format.nBlockAlign);
    const std::string in = writeNote("in.wav", format, data);
    const std::string out = dir_.file("out.wav");
    const auto r = denoise(in, out);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    WaveFormat written;
    const Bytes result = readWavData(out, &written);
    EXPECT_EQ(written, format);
    EXPECT_TRUE(test::sameBytes(
        expected(format, data, BufferSizing::mainRecorderBufferBytes(row.rate)), result));
    EXPECT_EQ(r.out, "in-bytes: " + std::to_string(data.size()) +
                         "\nout-bytes: " + std::to_string(result.size()) + "\n");
  }
}

TEST_F(CliDenoiseTest, BlockOptionChangesOnlyHowMuchIsHeldBackAtTheEnd) {
  const WaveFormat format = WaveFormat::pcm(1, 22050, 16);
  const Bytes data = test::toBytes(test::noise(50000, 1500.0, 8));
  const std::string in = writeNote("in.wav", format, data);
  ASSERT_EQ(denoise(in, dir_.file("a.wav")).exitCode, 0);
  const auto r = denoise(in, dir_.file("b.wav"), " --block 3002");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const Bytes a = readWavData(dir_.file("a.wav"));
  const Bytes b = readWavData(dir_.file("b.wav"));
  EXPECT_TRUE(test::sameBytes(expected(format, data, 3002), b));
  const std::size_t common = std::min(a.size(), b.size());
  EXPECT_GT(common, data.size() - 4096);
  EXPECT_TRUE(std::equal(a.begin(), a.begin() + static_cast<long>(common), b.begin()));
}

TEST_F(CliDenoiseTest, RefusesOtherFormatsWithoutWritingAnything) {
  struct Row {
    std::uint16_t channels;
    std::uint16_t bits;
    std::uint16_t tag;
  } rows[] = {{1, 24, 1}, {4, 16, 1}, {1, 32, 3}};
  for (const Row& row : rows) {
    WaveFormat format = WaveFormat::pcm(row.channels, 8000, row.bits);
    format.wFormatTag = row.tag;
    const std::string in = dir_.file("odd.wav");
    test::writeFileBytes(in, test::riffWave({test::chunk("fmt ", test::fmtBody(format, 18)),
                                             test::chunk("data", Bytes(960, 0))}));
    const std::string out = dir_.file("never.wav");
    const auto r = denoise(in, out);
    EXPECT_EQ(r.exitCode, 1) << row.bits;
    EXPECT_NE(r.err.find("Only 8- or 16-bit PCM notes, mono or stereo"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

TEST_F(CliDenoiseTest, BadArgumentsAreUsageErrors) {
  const std::string in = writeNote("in.wav", WaveFormat::pcm(1, 8000, 16), Bytes(800, 0));
  const std::string out = dir_.file("out.wav");
  EXPECT_EQ(denoise(in, out, " --block 401").exitCode, 2);  // half a sample
  EXPECT_EQ(denoise(in, out, " --block 0").exitCode, 2);
  EXPECT_EQ(denoise(in, out, " --block many").exitCode, 2);
  EXPECT_EQ(runCommand(test::cliCommand() + " denoise " + shellQuote(in)).exitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(denoise(dir_.file("missing.wav"), out).exitCode, 1);
}

}  // namespace
}  // namespace qp
