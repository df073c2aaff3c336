// The MP3 encoder's driving of an encoder library: entry-point check, chunking, flush, the
// information tag after the file is closed, and every failure path. The library is a fake that
// records the calls and produces recognisable bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "common/LittleEndian.h"
#include "export/CMp3Encoder.h"
#include "support/SampleRamps.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

using test::ramp;

struct Calls {
  std::vector<std::string> names;
  std::vector<std::uint32_t> chunkSamples;
  std::vector<std::uint8_t> config;
  std::string tagPath;
  std::uintmax_t sizeAtTag = 0;
};

// Each chunk produces one byte per sample (its low byte); the flush produces "END".
class FakeLibrary final : public Mp3EncoderLibrary {
 public:
  FakeLibrary(Calls& calls, std::set<std::string> missing = {})
      : calls_(calls), missing_(std::move(missing)) {}
  std::uint32_t samplesPerChunk = 256;
  std::uint32_t failInit = 0, failChunk = 0, failFlush = 0;
  std::uint32_t extraOutput = 0;  // claims more bytes than the buffer holds

  bool hasEntryPoint(std::string_view name) const override {
    return missing_.count(std::string(name)) == 0;
  }
  std::uint32_t beInitStream(const std::uint8_t* config, std::uint32_t& spc, std::uint32_t& out,
                             Stream& stream) override {
    calls_.names.push_back("init");
    calls_.config.assign(config, config + 331);
    spc = samplesPerChunk;
    out = samplesPerChunk + 16;
    stream = 77;
    return failInit;
  }
  std::uint32_t beEncodeChunk(Stream stream, std::uint32_t n, const std::int16_t* samples,
                              std::uint8_t* output, std::uint32_t& written) override {
    EXPECT_EQ(stream, 77u);
    calls_.names.push_back("chunk");
    calls_.chunkSamples.push_back(n);
    for (std::uint32_t i = 0; i < n; ++i) {
      output[i] = static_cast<std::uint8_t>(samples[i]);
    }
    written = n + extraOutput;
    return failChunk;
  }
  std::uint32_t beDeinitStream(Stream, std::uint8_t* output, std::uint32_t& written) override {
    calls_.names.push_back("deinit");
    output[0] = 'E', output[1] = 'N', output[2] = 'D';
    written = 3;
    return failFlush;
  }
  std::uint32_t beWriteInfoTag(Stream, const char* path) override {
    calls_.names.push_back("tag");
    calls_.tagPath = path;
    calls_.sizeAtTag = std::filesystem::file_size(path);
    return 0;
  }
  std::uint32_t beCloseStream(Stream) override {
    calls_.names.push_back("close");
    return 0;
  }

 private:
  Calls& calls_;
  std::set<std::string> missing_;
};

class CMp3EncoderTest : public testing::Test {
 protected:
  std::string note(const std::vector<std::int16_t>& samples, std::uint16_t channels = 1,
                   std::uint16_t bits = 16) {
    const std::string path = dir_.file("note.wav");
    test::writeFileBytes(path, test::simpleWav(channels, 8000, bits, test::toBytes(samples)));
    return path;
  }

  test::TempDir dir_;
  Calls calls_;
  std::string target_ = dir_.file("out.mp3");
};

TEST_F(CMp3EncoderTest, StreamsChunksFlushesAndTagsTheClosedFile) {
  const auto samples = ramp(1000);
  auto lib = std::make_unique<FakeLibrary>(calls_);
  CMp3Encoder encoder(std::move(lib));
  ASSERT_TRUE(encoder.available());
  ASSERT_TRUE(encoder.encode(note(samples), target_));

  EXPECT_EQ(calls_.chunkSamples, (std::vector<std::uint32_t>{256, 256, 256, 232}));
  EXPECT_EQ(calls_.names, (std::vector<std::string>{"init", "chunk", "chunk", "chunk", "chunk",
                                                    "deinit", "tag", "close"}));
  EXPECT_EQ(getLe32(calls_.config.data() + 12), 8000u);
  EXPECT_EQ(getLe32(calls_.config.data() + 20), 3u);
  EXPECT_EQ(calls_.tagPath, target_);

  const auto out = test::readFileBytes(target_);
  ASSERT_EQ(out.size(), 1003u);
  EXPECT_EQ(calls_.sizeAtTag, 1003u);  // everything was on disk when the tag was written
  for (std::size_t i = 0; i < 1000; ++i) {
    ASSERT_EQ(out[i], static_cast<std::uint8_t>(samples[i])) << "byte " << i;
  }
  EXPECT_EQ(std::string(out.begin() + 1000, out.end()), "END");
}

TEST_F(CMp3EncoderTest, EmptyNoteGivesTheFlushOnly) {
  CMp3Encoder encoder(std::make_unique<FakeLibrary>(calls_));
  ASSERT_TRUE(encoder.encode(note({}), target_));
  EXPECT_EQ(calls_.names, (std::vector<std::string>{"init", "deinit", "tag", "close"}));
  const auto out = test::readFileBytes(target_);
  EXPECT_EQ(std::string(out.begin(), out.end()), "END");
}

TEST_F(CMp3EncoderTest, OddTrailingByteIsNotEncoded) {
  // 7 data bytes: three samples and half of a fourth.
  test::Bytes samples = test::toBytes({10, 20, 30});
  samples.push_back(0x55);
  const std::string path = dir_.file("odd.wav");
  test::writeFileBytes(
      path, test::riffWave({test::chunk("fmt ", test::fmtBody(WaveFormat::pcm(1, 8000, 16))),
                            test::chunk("data", samples)}));
  CMp3Encoder encoder(std::make_unique<FakeLibrary>(calls_));
  ASSERT_TRUE(encoder.encode(path, target_));
  std::uint32_t total = 0;
  for (auto n : calls_.chunkSamples) {
    total += n;
  }
  EXPECT_EQ(total, 3u);
}

TEST_F(CMp3EncoderTest, AnyMissingEntryPointMakesItUnavailable) {
  for (const char* name : CMp3Encoder::kEntryPoints) {
    Calls calls;
    CMp3Encoder encoder(std::make_unique<FakeLibrary>(calls, std::set<std::string>{name}));
    EXPECT_FALSE(encoder.available()) << name;
    EXPECT_FALSE(encoder.encode(note(ramp(10)), target_));
    EXPECT_TRUE(calls.names.empty());
  }
  CMp3Encoder none(nullptr);
  EXPECT_FALSE(none.available());
  EXPECT_FALSE(none.encode(note(ramp(10)), target_));
  EXPECT_FALSE(std::filesystem::exists(target_));
}

TEST_F(CMp3EncoderTest, InitFailureNeverOpensAStream) {
  auto lib = std::make_unique<FakeLibrary>(calls_);
  lib->failInit = 2;
  CMp3Encoder encoder(std::move(lib));
  EXPECT_FALSE(encoder.encode(note(ramp(10)), target_));
  EXPECT_EQ(calls_.names, std::vector<std::string>{"init"});
}

TEST_F(CMp3EncoderTest, EncoderErrorsStopWithoutTagButCloseTheStream) {
  for (int which = 0; which < 3; ++which) {
    Calls calls;
    auto lib = std::make_unique<FakeLibrary>(calls);
    (which == 0 ? lib->failChunk : which == 1 ? lib->failFlush : lib->extraOutput) = 1000;
    CMp3Encoder encoder(std::move(lib));
    EXPECT_FALSE(encoder.encode(note(ramp(600)), target_)) << which;
    ASSERT_FALSE(calls.names.empty());
    EXPECT_EQ(calls.names.back(), "close") << which;
    EXPECT_EQ(std::count(calls.names.begin(), calls.names.end(), "tag"), 0) << which;
    EXPECT_TRUE(std::filesystem::exists(target_));  // a partial file stays
  }
}

TEST_F(CMp3EncoderTest, FullDiskIsAFailureAndGetsNoTag) {
  if (!std::filesystem::exists("/dev/full")) {
    GTEST_SKIP() << "no /dev/full";
  }
  CMp3Encoder encoder(std::make_unique<FakeLibrary>(calls_));
  EXPECT_FALSE(encoder.encode(note(ramp(1000)), "/dev/full"));
  EXPECT_EQ(std::count(calls_.names.begin(), calls_.names.end(), "tag"), 0);
  EXPECT_EQ(calls_.names.back(), "close");
}

TEST_F(CMp3EncoderTest, UnreadableSourceOrTargetFailsBeforeTheLibrary) {
  CMp3Encoder encoder(std::make_unique<FakeLibrary>(calls_));
  EXPECT_FALSE(encoder.encode(dir_.file("missing.wav"), target_));
  EXPECT_FALSE(std::filesystem::exists(target_));
  EXPECT_FALSE(encoder.encode(note(ramp(10)), dir_.file("no/such/dir/out.mp3")));
  EXPECT_TRUE(calls_.names.empty());
}

TEST_F(CMp3EncoderTest, RefusesWhatTheRecordCannotDescribe) {
  CMp3Encoder encoder(std::make_unique<FakeLibrary>(calls_));
  EXPECT_FALSE(encoder.encode(note(ramp(12), 1, 8), target_));  // 8-bit samples
  EXPECT_FALSE(encoder.encode(note(ramp(12), 3), target_));     // three channels
  EXPECT_TRUE(calls_.names.empty());
}

}  // namespace
}  // namespace qp
