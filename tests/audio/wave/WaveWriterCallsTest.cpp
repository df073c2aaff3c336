// What the writer asks of its sink: how often it appends, rewrites the header and syncs, and
// that a buffered writer still leaves a note whose header describes exactly what is on disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <thread>
#include <vector>

#include "audio/wave/WaveFileReader.h"
#include "audio/wave/WaveFileWriter.h"
#include "common/LittleEndian.h"
#include "support/BufferCompare.h"
#include "support/FailingOutputFile.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"

namespace qp {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct SinkCalls {
  int appends = 0;
  int overwrites = 0;
  int backgroundSyncs = 0;
  int waitingSyncs = 0;
  bool overwritesCoverBothFields = true;
  Bytes image;  // the file as the sink holds it
};

// Keeps the file in memory and counts the calls.
class RecordingSink final : public OutputFile {
 public:
  explicit RecordingSink(SinkCalls& calls) : calls_(calls) {}
  bool create(const std::string&) override { return true; }
  std::size_t append(const void* data, std::size_t count) override {
    ++calls_.appends;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    calls_.image.insert(calls_.image.end(), bytes, bytes + count);
    return count;
  }
  bool overwrite(std::uint64_t offset, const void* data, std::size_t count) override {
    ++calls_.overwrites;
    calls_.overwritesCoverBothFields =
        calls_.overwritesCoverBothFields && offset <= 4 && offset + count >= 46;
    std::copy_n(static_cast<const std::uint8_t*>(data), count, calls_.image.begin() + offset);
    return true;
  }
  bool truncate(std::uint64_t size) override {
    calls_.image.resize(size);
    return true;
  }
  bool flush(bool durable) override {
    calls_.waitingSyncs += durable ? 1 : 0;
    return true;
  }
  bool syncInBackground() override {
    ++calls_.backgroundSyncs;
    return true;
  }
  bool close() override { return true; }

 private:
  SinkCalls& calls_;
};

TEST(WaveWriterCallsTest, OneHeaderRewritePerSecondAndNoWaitForTheDiskBeforeClose) {
  struct Row {
    const char* what;
    bool durable;
    bool buffered;
    int appends;  // header included
    int backgroundSyncs;
    int waitingSyncs;
  } rows[] = {
      {"a recording: every block at once, synced in the background", true, false, 1 + 300, 3, 1},
      {"a buffered durable copy", true, true, 1 + 3, 3, 1},
      {"a buffered copy that is not made durable", false, true, 1 + 3, 0, 0},
  };
  const Bytes samples = test::toBytes(test::sine(440, 8000, 3 * 8000));  // 3 s, 16000 B/s
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    SinkCalls calls;
    WaveFileWriter writer(std::make_unique<RecordingSink>(calls));
    writer.setDurable(row.durable);
    writer.setBuffered(row.buffered);
    ASSERT_TRUE(writer.open("note.wav", WaveFormat::pcm(1, 8000, 16)));
    for (std::size_t at = 0; at < samples.size(); at += 160) {
      ASSERT_EQ(writer.write(samples.data() + at, 160), 160u);
    }
    EXPECT_EQ(calls.overwrites, 3);
    EXPECT_EQ(calls.waitingSyncs, 0);  // nothing waited for the disk while writing
    ASSERT_TRUE(writer.close());
    EXPECT_EQ(calls.appends, row.appends);
    EXPECT_EQ(calls.overwrites, 4);
    EXPECT_TRUE(calls.overwritesCoverBothFields);
    EXPECT_EQ(calls.backgroundSyncs, row.backgroundSyncs);
    EXPECT_EQ(calls.waitingSyncs, row.waitingSyncs);
    ASSERT_EQ(calls.image.size(), 46u + samples.size());
    EXPECT_EQ(getLe32(&calls.image[42]), samples.size());
    EXPECT_EQ(getLe32(&calls.image[4]), samples.size() + 38);
    EXPECT_TRUE(test::sameBytes(samples, Bytes(calls.image.begin() + 46, calls.image.end())));
  }
}

TEST(WaveWriterCallsTest, BufferedWriterKeepsTheSizeFieldsOnlyForBytesOnDisk) {
  // 16000 bytes per second in blocks of 400: the header is rewritten after the 40th block,
  // and only then are the bytes handed to the sink.
  SinkCalls calls;
  WaveFileWriter writer(std::make_unique<RecordingSink>(calls));
  writer.setBuffered(true);
  ASSERT_TRUE(writer.open("note.wav", WaveFormat::pcm(1, 8000, 16)));
  const Bytes block(400, 0x55);
  for (int i = 0; i < 39; ++i) {
    writer.write(block.data(), 400);
  }
  EXPECT_EQ(calls.image.size(), 46u);  // gathered, not yet handed on
  writer.write(block.data(), 400);
  EXPECT_EQ(calls.image.size(), 46u + 16000u);
  EXPECT_EQ(getLe32(&calls.image[42]), 16000u);
  // A write of a buffer's size or more goes to the sink at once when nothing is gathered.
  const Bytes big(WaveFileWriter::kBufferBytes, 0x66);
  const int before = calls.appends;
  writer.write(big.data(), 8000);  // gathered
  writer.write(big.data(), 8000);  // completes the second: handed on in one piece
  EXPECT_EQ(calls.appends, before + 1);
  ASSERT_TRUE(writer.close());
}

TEST(WaveWriterCallsTest, BufferedWriterOnAFullDiskLeavesTheWholeFramesDescribed) {
  struct Row {
    const char* what;
    WaveFormat format;
    std::uint64_t room;  // bytes the file may hold
  } rows[] = {
      {"mono, found at close, a half frame left", WaveFormat::pcm(1, 8000, 16), 46 + 1001},
      {"mono, found at a second's update", WaveFormat::pcm(1, 8000, 16), 46 + 20001},
      {"stereo, found when the buffer fills", WaveFormat::pcm(2, 44100, 16), 46 + 70003},
      {"stereo, whole frames", WaveFormat::pcm(2, 22050, 16), 46 + 4000},
  };
  test::TempDir dir;
  const std::string path = dir.file("note.wav");
  const Bytes samples = test::toBytes(test::sine(300, 8000, 60000));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    bool closed = true;
    {
      WaveFileWriter writer(std::make_unique<test::FailingOutputFile>(row.room));
      writer.setBuffered(true);
      ASSERT_TRUE(writer.open(path, row.format));
      for (std::uint32_t offset = 0; offset + 777 <= samples.size() && !writer.failed();
           offset += 777) {
        writer.write(samples.data() + offset, 777);
      }
      closed = writer.close();
    }
    EXPECT_FALSE(closed);
    const Bytes file = test::readFileBytes(path);
    const std::uint32_t whole =
        static_cast<std::uint32_t>(row.room - 46) / row.format.nBlockAlign * row.format.nBlockAlign;
    ASSERT_EQ(file.size(), 46u + whole);
    EXPECT_EQ(getLe32(&file[42]), whole);
    EXPECT_EQ(getLe32(&file[4]), file.size() - 8);
    EXPECT_TRUE(std::equal(file.begin() + 46, file.end(), samples.begin()));
    WaveFileReader reader;
    ASSERT_TRUE(reader.openNote(path));
    EXPECT_EQ(reader.dataSize(), whole);
  }
}

}  // namespace
}  // namespace qp
