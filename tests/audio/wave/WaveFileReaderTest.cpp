#include "audio/wave/WaveFileReader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "audio/wave/MmioErrors.h"
#include "support/BufferCompare.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

using test::Bytes;

class WaveFileReaderTest : public testing::Test {
 protected:
  std::string put(const Bytes& bytes, const char* name = "note.wav") {
    const std::string path = dir_.file(name);
    test::writeFileBytes(path, bytes);
    return path;
  }
  Bytes readAll(WaveFileReader& reader, std::uint32_t step = 1000) {
    Bytes out;
    Bytes block(step);
    while (const auto n = reader.read(block.data(), step)) {
      out.insert(out.end(), block.begin(), block.begin() + n);
    }
    return out;
  }

  test::TempDir dir_;
  const Bytes samples_ = test::toBytes(test::sine(440, 8000, 800));
};

TEST_F(WaveFileReaderTest, OpensPlainNoteAndReadsEverySample) {
  WaveFileReader reader;
  ASSERT_TRUE(reader.open(put(test::simpleWav(1, 8000, 16, samples_))));
  EXPECT_EQ(reader.format(), WaveFormat::pcm(1, 8000, 16));
  EXPECT_EQ(reader.dataSize(), samples_.size());
  EXPECT_EQ(reader.position(), 0u);
  EXPECT_TRUE(test::sameBytes(samples_, readAll(reader, 333)));
  EXPECT_EQ(reader.position(), samples_.size());
}

TEST_F(WaveFileReaderTest, SkipsExtraChunksAroundTheFormat) {
  const auto fmt = test::chunk("fmt ", test::fmtBody(WaveFormat::pcm(1, 8000, 16)));
  const Bytes odd = {1, 2, 3};  // odd length: followed by a pad byte
  const auto file = test::riffWave({test::listInfoChunk("title"), test::chunk("junk", odd), fmt,
                                    test::chunk("fact", Bytes(4, 9)), test::listInfoChunk("x"),
                                    test::chunk("data", samples_)});
  WaveFileReader reader;
  ASSERT_TRUE(reader.open(put(file))) << reader.lastError();
  EXPECT_EQ(reader.dataSize(), samples_.size());
  EXPECT_TRUE(test::sameBytes(samples_, readAll(reader)));
}

TEST_F(WaveFileReaderTest, PcmFormatChunksOfEighteenOrMoreBytesHaveNoExtraBytes) {
  for (const std::uint32_t fmtSize : {16u, 18u, 20u, 40u}) {
    // A PCM chunk's cbSize field is not consulted, whatever it holds.
    Bytes body = test::fmtBody(WaveFormat::pcm(2, 44100, 16), fmtSize);
    if (fmtSize >= 18) {
      body[16] = 0xFF;
      body[17] = 0x7F;
    }
    const auto file = test::riffWave({test::chunk("fmt ", body), test::chunk("data", samples_)});
    WaveFileReader reader;
    ASSERT_TRUE(reader.open(put(file))) << fmtSize;
    EXPECT_EQ(reader.format().cbSize, 0) << fmtSize;
    EXPECT_TRUE(reader.extraFormatBytes().empty()) << fmtSize;
    EXPECT_EQ(reader.format().nChannels, 2);
  }
}

TEST_F(WaveFileReaderTest, AnyFormatTagIsAcceptedWithItsExtraBytes) {
  WaveFormat ext = WaveFormat::pcm(2, 48000, 24);
  ext.wFormatTag = 0xFFFE;
  ext.cbSize = 22;
  Bytes extra(22);
  extra[0] = 24;
  const auto file = test::riffWave(
      {test::chunk("fmt ", test::fmtBody(ext, 40, extra)), test::chunk("data", samples_)});
  WaveFileReader reader;
  ASSERT_TRUE(reader.open(put(file)));
  EXPECT_EQ(reader.format().wFormatTag, 0xFFFE);
  EXPECT_EQ(reader.format().cbSize, 22);
  EXPECT_EQ(reader.extraFormatBytes(), extra);
}

struct BadFile {
  const char* what;
  Bytes bytes;
  int error;
};

TEST_F(WaveFileReaderTest, RefusesBrokenFilesWithTheRightError) {
  const auto fmt = test::chunk("fmt ", test::fmtBody(WaveFormat::pcm(1, 8000, 16)));
  const auto data = test::chunk("data", samples_);
  WaveFormat adpcm = WaveFormat::pcm(1, 8000, 4);
  adpcm.wFormatTag = 2;
  adpcm.cbSize = 0xFFFF;  // far more extra bytes than the file holds
  Bytes notWave = test::simpleWav(1, 8000, 16, samples_);
  std::copy_n("AVI ", 4, notWave.begin() + 8);
  const BadFile cases[] = {
      {"empty file", {}, MMIOERR_CHUNKNOTFOUND},
      {"short header", {'R', 'I', 'F', 'F', 4, 0}, MMIOERR_CHUNKNOTFOUND},
      {"not RIFF", Bytes(64, 'x'), MMIOERR_INVALIDFILE},
      {"RIFF but not WAVE", notWave, MMIOERR_INVALIDFILE},
      {"no fmt chunk", test::riffWave({data}), MMIOERR_CHUNKNOTFOUND},
      {"no data chunk", test::riffWave({fmt}), MMIOERR_CHUNKNOTFOUND},
      {"fmt shorter than 16 bytes", test::riffWave({test::chunk("fmt ", Bytes(14)), data}),
       MMIOERR_CANNOTREAD},
      {"extra size past the end",
       test::riffWave({test::chunk("fmt ", test::fmtBody(adpcm, 18)), data}), MMIOERR_CANNOTREAD},
      {"fmt size past the end",
       test::riffWave(
           {test::chunk("fmt ", test::fmtBody(WaveFormat::pcm(1, 8000, 16)), 0xFFFFFFF0u)}),
       MMIOERR_CHUNKNOTFOUND},
      {"chunk size that skips everything",
       test::riffWave({test::chunk("LIST", Bytes(4), 0xFFFFFFFFu), fmt, data}),
       MMIOERR_CHUNKNOTFOUND},
  };
  for (const auto& c : cases) {
    WaveFileReader reader;
    EXPECT_FALSE(reader.open(put(c.bytes))) << c.what;
    EXPECT_EQ(reader.lastError(), c.error) << c.what;
    EXPECT_FALSE(reader.isOpen()) << c.what;
    Bytes block(16);
    EXPECT_EQ(reader.read(block.data(), 16), 0u) << c.what;
  }
}

TEST_F(WaveFileReaderTest, PipesDevicesAndFoldersAreRefusedAtOnce) {
  const std::string fifo = dir_.file("pipe.wav");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string folder = dir_.file("folder.wav");
  std::filesystem::create_directory(folder);
  for (const std::string& path : {fifo, folder, std::string("/dev/zero")}) {
    // A pipe without a writer would block an ordinary open for ever: the test would hang.
    WaveFileReader reader;
    EXPECT_FALSE(reader.open(path)) << path;
    EXPECT_EQ(reader.lastError(), MMIOERR_CANNOTOPEN) << path;
    EXPECT_FALSE(reader.openNote(path)) << path;
    EXPECT_EQ(reader.lastError(), MMIOERR_CANNOTOPEN) << path;
  }
}

TEST_F(WaveFileReaderTest, OpenNoteRefusesWhatIsNoNoteAndOpenTakesIt) {
  WaveFormat manyChannels = WaveFormat::pcm(1, 8000, 16);
  manyChannels.nChannels = 65535;
  const std::string note = put(test::simpleWav(2, 44100, 16, samples_), "stereo.wav");
  const std::string eight = put(test::simpleWav(1, 8000, 8, samples_), "eight.wav");
  const std::string rate0 = put(test::simpleWav(1, 0, 16, samples_), "rate0.wav");
  const std::string many = put(test::riffWave({test::chunk("fmt ", test::fmtBody(manyChannels)),
                                               test::chunk("data", samples_)}),
                               "many.wav");
  WaveFileReader reader;
  ASSERT_TRUE(reader.openNote(note));
  EXPECT_EQ(reader.dataSize(), samples_.size());
  for (const std::string& path : {eight, rate0, many}) {
    EXPECT_FALSE(reader.openNote(path)) << path;
    EXPECT_EQ(reader.lastError(), MMIOERR_INVALIDFILE) << path;
    EXPECT_FALSE(reader.isOpen()) << path;
    EXPECT_TRUE(reader.open(path)) << path;  // any RIFF/WAVE file for callers that show it
    EXPECT_FALSE(reader.refuseFormat());
    EXPECT_EQ(reader.lastError(), MMIOERR_INVALIDFILE) << path;
    EXPECT_FALSE(reader.isOpen()) << path;
  }
}

TEST_F(WaveFileReaderTest, MissingFileCannotOpen) {
  WaveFileReader reader;
  EXPECT_FALSE(reader.open(dir_.file("absent.wav")));
  EXPECT_EQ(reader.lastError(), MMIOERR_CANNOTOPEN);
}

TEST_F(WaveFileReaderTest, DataSizeZeroOrPastTheEndTakesTheWholeFramesPresent) {
  const auto fmt = test::chunk("fmt ", test::fmtBody(WaveFormat::pcm(2, 8000, 16)));
  Bytes body = samples_;
  body.push_back(7);  // a partial frame at the end is not data
  body.push_back(7);
  body.push_back(7);
  for (const std::uint32_t sizeField : {0u, 0xFFFFFFFFu, 5000000u}) {
    Bytes file = test::riffWave({fmt, test::chunk("data", {}, sizeField)}, 0u);
    file.insert(file.end(), body.begin(), body.end());
    WaveFileReader reader;
    ASSERT_TRUE(reader.open(put(file))) << sizeField;
    EXPECT_EQ(reader.dataSize(), samples_.size()) << sizeField;
    EXPECT_TRUE(test::sameBytes(samples_, readAll(reader))) << sizeField;
  }
}

TEST_F(WaveFileReaderTest, StartDataReadAtAnyOffset) {
  WaveFileReader reader;
  ASSERT_TRUE(reader.open(put(test::simpleWav(1, 8000, 16, samples_))));
  ASSERT_TRUE(reader.startDataRead(400));
  EXPECT_EQ(reader.position(), 400u);
  const Bytes tail(samples_.begin() + 400, samples_.end());
  EXPECT_TRUE(test::sameBytes(tail, readAll(reader, 7)));

  const auto size = reader.dataSize();
  ASSERT_TRUE(reader.startDataRead(size));
  Bytes block(8);
  EXPECT_EQ(reader.read(block.data(), 8), 0u);

  EXPECT_FALSE(reader.startDataRead(size + 1));
  EXPECT_EQ(reader.lastError(), MMIOERR_CANNOTREAD);
  EXPECT_EQ(reader.position(), 0u);

  ASSERT_TRUE(reader.startDataRead(0));
  EXPECT_TRUE(test::sameBytes(samples_, readAll(reader)));
}

TEST_F(WaveFileReaderTest, ReadAskingForMoreThanRemainsGetsTheRest) {
  WaveFileReader reader;
  ASSERT_TRUE(reader.open(put(test::simpleWav(1, 8000, 16, samples_))));
  ASSERT_TRUE(reader.startDataRead(1596));
  Bytes block(100);
  EXPECT_EQ(reader.read(block.data(), 100), 4u);
  EXPECT_EQ(reader.read(block.data(), 100), 0u);
  EXPECT_EQ(reader.remaining(), 0u);
}

TEST_F(WaveFileReaderTest, FileCutShortAfterOpenReportsCannotRead) {
  const Bytes big = test::toBytes(test::noise(100000, 8000));
  const std::string path = put(test::simpleWav(1, 8000, 16, big));
  WaveFileReader reader;
  ASSERT_TRUE(reader.open(path));
  test::writeFileBytes(path, Bytes(50, 0));
  const Bytes got = readAll(reader, 1000);
  EXPECT_LT(got.size(), big.size());
  EXPECT_EQ(reader.lastError(), MMIOERR_CANNOTREAD);
}

TEST_F(WaveFileReaderTest, CloseIsSafeTwiceAndTheReaderCanBeReused) {
  WaveFileReader reader;
  ASSERT_TRUE(reader.open(put(test::simpleWav(1, 8000, 16, samples_))));
  reader.close();
  reader.close();
  EXPECT_FALSE(reader.isOpen());
  EXPECT_FALSE(reader.startDataRead(0));
  ASSERT_TRUE(reader.open(put(test::simpleWav(1, 22050, 16, Bytes(10)), "b.wav")));
  EXPECT_EQ(reader.format().nSamplesPerSec, 22050u);
}

}  // namespace
}  // namespace qp
