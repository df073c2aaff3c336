#include "audio/device/PlaybackDevice.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/BufferCompare.h"
#include "support/MemoryAudioBackend.h"
#include "support/SignalGenerators.h"

namespace qp {
namespace {

using Bytes = std::vector<std::uint8_t>;

class PlaybackDeviceTest : public testing::Test {
 protected:
  test::MemoryAudioBackend backend_;
  PlaybackDevice device_{backend_};
  const WaveFormat format_ = WaveFormat::pcm(1, 22050, 16);
};

TEST_F(PlaybackDeviceTest, SetBufferCountWithoutConfigureKeepsTheOldRing) {
  device_.configure(format_, 4800);
  device_.setBufferCount(4);
  EXPECT_EQ(device_.count(), 4);
  EXPECT_NE(device_.buffer(9), nullptr);  // still the ten buffers of the first configure
  device_.configure(format_, 4800);
  EXPECT_EQ(device_.buffer(4), nullptr);
  EXPECT_EQ(device_.buffer(3)->length(), 4800u);
}

TEST_F(PlaybackDeviceTest, CloseRightAfterConfigureMakesNoUnprepareCalls) {
  device_.setBufferCount(4);
  device_.configure(format_, 4800);
  ASSERT_TRUE(device_.open(format_));
  device_.close();
  EXPECT_EQ(backend_.state().unprepareCalls, 0);
  EXPECT_EQ(backend_.state().closeCalls, 1);
  EXPECT_FALSE(device_.isOpen());
  device_.close();  // twice is harmless
  EXPECT_EQ(backend_.state().closeCalls, 1);
}

TEST_F(PlaybackDeviceTest, StereoNoteGetsTwiceTheChunk) {
  // Stereo 16-bit at 22050 Hz: 4 buffers of 9600 bytes.
  device_.setBufferCount(4);
  device_.configure(WaveFormat::pcm(2, 22050, 16), 9600);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(device_.buffer(i)->length(), 9600u);
  }
}

TEST_F(PlaybackDeviceTest, PlayedBytesFollowTheWrittenLengths) {
  device_.setBufferCount(4);
  device_.configure(format_, 4800);
  ASSERT_TRUE(device_.open(format_));
  ASSERT_TRUE(device_.resetEvent());
  const Bytes note = test::toBytes(test::sine(440, 22050, 11025));
  std::size_t offset = 0;
  int index = 0;
  while (offset < note.size()) {
    AudioBuffer& b = *device_.buffer(index);
    ASSERT_TRUE(device_.unprepare(b));
    const std::size_t n = std::min<std::size_t>(2400, note.size() - offset);
    std::memcpy(b.data(), note.data() + offset, n);
    b.setLength(static_cast<std::uint32_t>(n));
    ASSERT_TRUE(device_.prepare(b));
    ASSERT_TRUE(device_.write(b));
    offset += n;
    index = (index + 1) % device_.count();
  }
  EXPECT_TRUE(test::sameBytes(note, backend_.played()));
  device_.close();
}

TEST_F(PlaybackDeviceTest, BufferHeldByTheSinkCannotBeUnpreparedUntilReset) {
  backend_.setStallPlayback(true);
  device_.setBufferCount(2);
  device_.configure(format_, 100);
  ASSERT_TRUE(device_.open(format_));
  AudioBuffer& b = *device_.buffer(0);
  EXPECT_TRUE(device_.unprepare(b));  // never prepared: free without asking the sink
  EXPECT_EQ(backend_.state().unprepareCalls, 0);
  ASSERT_TRUE(device_.prepare(b));
  ASSERT_TRUE(device_.write(b));
  EXPECT_FALSE(device_.unprepare(b));
  EXPECT_EQ(device_.lastResult(), WAVERR_STILLPLAYING);
  ASSERT_TRUE(device_.reset());
  EXPECT_TRUE(b.done());
  EXPECT_TRUE(device_.unprepare(b));
  device_.close();
}

TEST_F(PlaybackDeviceTest, RefusedOpenLeavesTheDeviceClosed) {
  backend_.setRefuseOpen(MMSYSERR_NODRIVER);
  EXPECT_FALSE(device_.open(format_));
  EXPECT_FALSE(device_.isOpen());
  EXPECT_EQ(device_.lastResult(), MMSYSERR_NODRIVER);
  backend_.setRefuseOpen(0);
  EXPECT_TRUE(device_.open(format_));
  EXPECT_FALSE(device_.open(format_));
  EXPECT_EQ(backend_.state().outputOpens, 1);
}

}  // namespace
}  // namespace qp
