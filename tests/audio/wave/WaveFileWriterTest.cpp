#include "audio/wave/WaveFileWriter.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstring>

#include "audio/wave/WaveFileReader.h"
#include "common/LittleEndian.h"
#include "support/BufferCompare.h"
#include "support/FailingOutputFile.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"

namespace qp {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t field(const Bytes& file, std::size_t offset) {
  return getLe32(&file[offset]);
}

class WaveFileWriterTest : public testing::Test {
 protected:
  test::TempDir dir_;
  const std::string path_ = dir_.file("note.wav");
};

TEST_F(WaveFileWriterTest, HeaderLayoutIsByteExact) {
  const Bytes samples = test::toBytes(test::sine(1000, 11025, 300));
  {
    WaveFileWriter writer;
    ASSERT_TRUE(writer.open(path_, WaveFormat::pcm(1, 11025, 16)));
    EXPECT_EQ(writer.write(samples.data(), 600), 600u);
    ASSERT_TRUE(writer.close());
  }
  const Bytes file = test::readFileBytes(path_);
  ASSERT_EQ(file.size(), 46u + 600u);
  const std::uint8_t expected[46] = {
      'R', 'I', 'F', 'F', 0x7E, 0x02, 0, 0, 'W',  'A',  'V', 'E',  // 638 = size - 8
      'f', 'm', 't', ' ', 18,   0,    0, 0,                        // 18-byte format
      1,   0,   1,   0,   0x11, 0x2B, 0, 0, 0x22, 0x56, 0,   0,
      2,   0,   16,  0,   0,    0,            // PCM mono 11025
      'd', 'a', 't', 'a', 0x58, 0x02, 0, 0};  // 600 sample bytes
  EXPECT_TRUE(
      test::sameBytes(Bytes(expected, expected + 46), Bytes(file.begin(), file.begin() + 46)));
  EXPECT_TRUE(test::sameBytes(samples, Bytes(file.begin() + 46, file.end())));
}

TEST_F(WaveFileWriterTest, EmptyNoteIsA46ByteValidFile) {
  WaveFileWriter writer;
  ASSERT_TRUE(writer.open(path_, WaveFormat::pcm(1, 8000, 16)));
  ASSERT_TRUE(writer.close());
  const Bytes file = test::readFileBytes(path_);
  ASSERT_EQ(file.size(), 46u);
  EXPECT_EQ(field(file, 4), 38u);
  EXPECT_EQ(field(file, 42), 0u);
  WaveFileReader reader;
  ASSERT_TRUE(reader.open(path_));
  EXPECT_EQ(reader.dataSize(), 0u);
}

TEST_F(WaveFileWriterTest, OddDataGetsAPadByteCountedInTheRiffSize) {
  WaveFileWriter writer;
  ASSERT_TRUE(writer.open(path_, WaveFormat::pcm(1, 8000, 8)));
  const Bytes samples = {1, 2, 3};
  writer.write(samples.data(), 3);
  ASSERT_TRUE(writer.close());
  const Bytes file = test::readFileBytes(path_);
  ASSERT_EQ(file.size(), 50u);
  EXPECT_EQ(field(file, 4), 42u);
  EXPECT_EQ(field(file, 42), 3u);
  EXPECT_EQ(file.back(), 0);
}

TEST_F(WaveFileWriterTest, SizeFieldsAreCurrentWithinOneSecondOfAudio) {
  const auto format = WaveFormat::pcm(1, 8000, 16);  // 16000 bytes per second
  const Bytes block(400, 0x55);
  WaveFileWriter writer;
  ASSERT_TRUE(writer.open(path_, format));
  for (int i = 0; i < 39; ++i) {
    writer.write(block.data(), 400);
  }
  EXPECT_EQ(field(test::readFileBytes(path_), 42), 0u);  // 15600 bytes: under a second
  writer.write(block.data(), 400);
  Bytes file = test::readFileBytes(path_);
  EXPECT_EQ(field(file, 42), 16000u);
  EXPECT_EQ(field(file, 4), 16038u);
  EXPECT_EQ(file.size(), 16046u);

  // One large write is cut into pieces of a second, each followed by an update: whatever was
  // on disk during it was a valid note.
  const Bytes big(16000 * 5 + 100, 0x66);
  writer.write(big.data(), static_cast<std::uint32_t>(big.size()));
  file = test::readFileBytes(path_);
  EXPECT_EQ(field(file, 42), 16000u * 6);
  // A reader sees the note as it stood at the last update while it is being written.
  WaveFileReader reader;
  ASSERT_TRUE(reader.open(path_));
  EXPECT_EQ(reader.dataSize(), 16000u * 6);
}

TEST_F(WaveFileWriterTest, FullDiskGivesShortCountAndKeepsAValidNote) {
  const std::uint64_t room = 46 + 1000;
  WaveFileWriter writer(std::make_unique<test::FailingOutputFile>(room));
  ASSERT_TRUE(writer.open(path_, WaveFormat::pcm(1, 8000, 16)));
  const Bytes samples = test::toBytes(test::sine(300, 8000, 400));
  EXPECT_EQ(writer.write(samples.data(), 800), 800u);
  EXPECT_FALSE(writer.failed());
  EXPECT_EQ(writer.write(samples.data(), 800), 200u);
  EXPECT_TRUE(writer.failed());
  EXPECT_EQ(writer.write(samples.data(), 800), 0u);
  EXPECT_FALSE(writer.close());
  EXPECT_TRUE(writer.close());  // already closed

  WaveFileReader reader;
  ASSERT_TRUE(reader.open(path_));
  EXPECT_EQ(reader.dataSize(), 1000u);
  Bytes back(1000);
  ASSERT_EQ(reader.read(back.data(), 1000), 1000u);
  Bytes expected(1000);
  std::memcpy(expected.data(), samples.data(), 800);
  std::memcpy(expected.data() + 800, samples.data(), 200);
  EXPECT_TRUE(test::sameBytes(expected, back));
}

TEST_F(WaveFileWriterTest, AFrameBegunByAnEarlierWriteIsCutWhenTheDiskRefusesTheRest) {
  // The disk fills exactly where an earlier, accepted write ended inside a sample frame; the
  // next write is refused outright. The file keeps only whole frames, so the bytes of the
  // unfinished frame are cut although the earlier write counted them.
  const struct {
    const char* what;
    WaveFormat format;
    std::vector<std::uint32_t> pieces;  // the last one is refused
    std::uint32_t room;                 // sample bytes the disk takes
    std::uint32_t reported;             // sum of the counts
    std::uint32_t kept;                 // whole frames on disk
  } rows[] = {
      {"mono, one byte of a frame", WaveFormat::pcm(1, 8000, 16), {18, 3, 9}, 21, 21, 20},
      {"stereo, two bytes of a frame", WaveFormat::pcm(2, 8000, 16), {7, 3, 5}, 10, 10, 8},
      {"stereo, refused inside the frame begun", WaveFormat::pcm(2, 8000, 16), {5, 5}, 6, 5, 4},
  };
  const Bytes samples = test::toBytes(test::sine(300, 8000, 64));
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    WaveFileWriter writer(std::make_unique<test::FailingOutputFile>(46 + row.room));
    ASSERT_TRUE(writer.open(path_, row.format));
    std::uint32_t reported = 0;
    std::uint32_t offset = 0;
    for (const std::uint32_t piece : row.pieces) {
      EXPECT_FALSE(writer.failed());
      reported += writer.write(samples.data() + offset, piece);
      offset += piece;
    }
    EXPECT_TRUE(writer.failed());
    EXPECT_EQ(reported, row.reported);
    EXPECT_EQ(writer.dataBytes(), row.kept);
    EXPECT_FALSE(writer.close());

    const Bytes file = test::readFileBytes(path_);
    ASSERT_EQ(file.size(), 46u + row.kept);
    EXPECT_EQ(field(file, 42), row.kept);
    EXPECT_EQ(field(file, 4), file.size() - 8);
    EXPECT_TRUE(std::equal(file.begin() + 46, file.end(), samples.begin()));
  }
}

// The kernel's file size limit refuses bytes part-way through a write exactly as a full disk
// does (EFBIG for ENOSPC), with the file's own descriptor and buffers in the way.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousSignal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousSignal_)(int) = nullptr;
};

TEST_F(WaveFileWriterTest, AfterAFullDiskTheHeaderDescribesTheWholeFramesOnDisk) {
  struct Row {
    const char* what;
    WaveFormat format;
    std::uint64_t room;  // bytes the file may hold
    bool realLimit;      // the kernel's limit, else a failing sink
  } rows[] = {
      {"mono, a half frame left", WaveFormat::pcm(1, 8000, 16), 46 + 1001, true},
      {"stereo, three bytes of a frame left", WaveFormat::pcm(2, 22050, 16), 46 + 4003, true},
      {"stereo, whole frames", WaveFormat::pcm(2, 22050, 16), 46 + 4000, true},
      {"stereo through the failing sink", WaveFormat::pcm(2, 8000, 16), 46 + 1002, false},
      {"more than a second before the limit", WaveFormat::pcm(1, 8000, 16), 46 + 40001, true},
  };
  const Bytes samples = test::toBytes(test::sine(300, 8000, 60000));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::uint32_t written = 0;
    bool closed = true;
    {
      auto writer = row.realLimit ? std::make_unique<WaveFileWriter>()
                                  : std::make_unique<WaveFileWriter>(
                                        std::make_unique<test::FailingOutputFile>(row.room));
      const auto limit = row.realLimit ? std::make_unique<FileSizeLimit>(row.room) : nullptr;
      ASSERT_TRUE(writer->open(path_, row.format));
      // Odd pieces, as a capture buffer or an edit's copy may come.
      for (std::uint32_t offset = 0; offset + 777 <= samples.size() && !writer->failed();
           offset += 777) {
        written += writer->write(samples.data() + offset, 777);
      }
      EXPECT_TRUE(writer->failed());
      closed = writer->close();
    }
    EXPECT_FALSE(closed);
    const Bytes file = test::readFileBytes(path_);
    const std::uint32_t whole =
        static_cast<std::uint32_t>(row.room - 46) / row.format.nBlockAlign * row.format.nBlockAlign;
    EXPECT_EQ(file.size(), 46u + whole);
    EXPECT_EQ(field(file, 42), whole);
    EXPECT_EQ(field(file, 4), file.size() - 8);
    EXPECT_EQ(written, whole);
    EXPECT_TRUE(std::equal(file.begin() + 46, file.end(), samples.begin()));
  }
}

TEST_F(WaveFileWriterTest, HeaderThatCannotBeWrittenFailsTheNote) {
  WaveFileWriter writer(std::make_unique<test::FailingOutputFile>(10));
  ASSERT_TRUE(writer.open(path_, WaveFormat::pcm(1, 8000, 16)));
  EXPECT_TRUE(writer.failed());
  const Bytes samples(100);
  EXPECT_EQ(writer.write(samples.data(), 100), 0u);
  EXPECT_FALSE(writer.close());
}

TEST_F(WaveFileWriterTest, CannotCreateInAMissingFolder) {
  WaveFileWriter writer;
  EXPECT_FALSE(writer.open(dir_.file("no/such/folder/note.wav"), WaveFormat::pcm(1, 8000, 16)));
  EXPECT_FALSE(writer.isOpen());
  EXPECT_TRUE(writer.close());
}

// Takes any number of bytes without storing them: lets a test reach the 4 GiB limit.
class CountingOutputFile final : public OutputFile {
 public:
  bool create(const std::string&) override { return true; }
  std::size_t append(const void*, std::size_t count) override { return count; }
  bool overwrite(std::uint64_t, const void*, std::size_t) override { return true; }
  bool truncate(std::uint64_t) override { return true; }
  bool flush(bool) override { return true; }
  bool close() override { return true; }
};

TEST_F(WaveFileWriterTest, StopsBeforeTheSizeFieldsOverflow) {
  WaveFileWriter writer(std::make_unique<CountingOutputFile>());
  writer.setDurable(false);
  ASSERT_TRUE(writer.open(path_, WaveFormat::pcm(8, 96000, 32)));  // 3 MB per second
  const Bytes block(64 << 20);
  std::uint64_t total = 0;
  for (int i = 0; i < 70 && !writer.full(); ++i) {
    total += writer.write(block.data(), static_cast<std::uint32_t>(block.size()));
  }
  EXPECT_TRUE(writer.full());
  EXPECT_FALSE(writer.failed());
  EXPECT_EQ(total, WaveFileWriter::kMaxDataBytes);
  EXPECT_EQ(writer.write(block.data(), 4), 0u);
  EXPECT_LT(std::uint64_t{WaveFileWriter::kMaxDataBytes} + 38, 0xFFFFFFFFull);
  EXPECT_TRUE(writer.close());
}

}  // namespace
}  // namespace qp
