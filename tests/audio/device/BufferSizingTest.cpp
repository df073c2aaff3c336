#include "audio/device/BufferSizing.h"

#include <gtest/gtest.h>

namespace qp {
namespace {

struct SizeRow {
  std::uint32_t rate;
  std::uint32_t mainRecorder;
  std::uint32_t quickRecorder;
  std::uint32_t chunkPerChannel;
};

// Each band's two edges.
const SizeRow kRows[] = {
    {1, 400, 1600, 800},       {8000, 400, 1600, 800},    {8001, 600, 2048, 1200},
    {11025, 600, 2048, 1200},  {12000, 600, 2048, 1200},  {12001, 800, 3200, 1600},
    {16000, 800, 3200, 1600},  {16001, 1200, 4096, 2400}, {22050, 1200, 4096, 2400},
    {24000, 1200, 4096, 2400}, {24001, 2048, 8192, 4100}, {48000, 2048, 8192, 4100},
};

TEST(BufferSizing, SizesByRateBand) {
  for (const auto& row : kRows) {
    EXPECT_EQ(BufferSizing::mainRecorderBufferBytes(row.rate), row.mainRecorder) << row.rate;
    EXPECT_EQ(BufferSizing::quickRecorderBufferBytes(row.rate), row.quickRecorder) << row.rate;
    EXPECT_EQ(BufferSizing::playbackChunkBytes(row.rate, 1), row.chunkPerChannel) << row.rate;
    EXPECT_EQ(BufferSizing::playbackBufferBytes(row.rate, 1), 2 * row.chunkPerChannel) << row.rate;
  }
}

TEST(BufferSizing, StereoChunksDouble) {
  EXPECT_EQ(BufferSizing::playbackChunkBytes(22050, 2), 4800u);
  EXPECT_EQ(BufferSizing::playbackBufferBytes(22050, 2), 9600u);
}

TEST(BufferSizing, MainRecorderBuffersAreAboutAQuarterOfATenthOfASecond) {
  // 25 ms at 8000 Hz, about 27 ms at 11025 and 22050 Hz (mono 16-bit).
  EXPECT_NEAR(1000.0 * BufferSizing::mainRecorderBufferBytes(8000) / 16000.0, 25.0, 0.01);
  EXPECT_NEAR(1000.0 * BufferSizing::mainRecorderBufferBytes(11025) / 22050.0, 27.2, 0.1);
  EXPECT_NEAR(1000.0 * BufferSizing::mainRecorderBufferBytes(22050) / 44100.0, 27.2, 0.1);
}

}  // namespace
}  // namespace qp
