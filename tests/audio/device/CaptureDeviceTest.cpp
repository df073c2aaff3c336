#include "audio/device/CaptureDevice.h"

#include <gtest/gtest.h>

#include "support/BufferCompare.h"
#include "support/MemoryAudioBackend.h"
#include "support/SignalGenerators.h"

namespace qp {
namespace {

using Bytes = std::vector<std::uint8_t>;

class CaptureDeviceTest : public testing::Test {
 protected:
  test::MemoryAudioBackend backend_;
  CaptureDevice device_{backend_};
  const WaveFormat format_ = WaveFormat::pcm(1, 8000, 16);
};

TEST_F(CaptureDeviceTest, FreshDeviceDefaults) {
  EXPECT_EQ(device_.count(), 10);
  EXPECT_EQ(device_.bufferSize(), 1024u);
  EXPECT_EQ(device_.format(), WaveFormat::pcm(1, 11025, 16));
  EXPECT_EQ(CaptureDevice::kDeviceId, -1);
  EXPECT_FALSE(device_.isOpen());
  EXPECT_EQ(device_.buffer(0), nullptr);  // no ring before a count or a configure
}

TEST_F(CaptureDeviceTest, SetBufferCountBuildsZeroFilledRingOfTheCurrentSize) {
  ASSERT_TRUE(device_.setBufferCount(4));
  ASSERT_NE(device_.buffer(3), nullptr);
  EXPECT_EQ(device_.buffer(4), nullptr);
  EXPECT_EQ(device_.buffer(-1), nullptr);
  for (int i = 0; i < 4; ++i) {
    const AudioBuffer& b = *device_.buffer(i);
    EXPECT_EQ(b.length(), 1024u);
    EXPECT_EQ(b.flags(), 0u);
    EXPECT_EQ(b.bytesRecorded(), 0u);
    EXPECT_EQ(Bytes(b.data(), b.data() + b.length()), Bytes(1024, 0));
  }
  EXPECT_TRUE(device_.configure(format_, 400));
  EXPECT_EQ(device_.buffer(0)->length(), 400u);
  EXPECT_EQ(device_.format(), format_);
}

TEST_F(CaptureDeviceTest, OpenTwiceIsRefusedWithoutTouchingTheSoundSystem) {
  ASSERT_TRUE(device_.open(format_));
  EXPECT_FALSE(device_.open(format_));
  EXPECT_EQ(backend_.state().inputOpens, 1);
}

TEST_F(CaptureDeviceTest, RefusedOpenAndCloseWithoutOpen) {
  EXPECT_TRUE(device_.close());
  backend_.setRefuseOpen(MMSYSERR_ALLOCATED);
  EXPECT_FALSE(device_.open(format_));
  EXPECT_FALSE(device_.isOpen());
  EXPECT_EQ(device_.lastResult(), MMSYSERR_ALLOCATED);
  EXPECT_TRUE(device_.close());
}

TEST_F(CaptureDeviceTest, QueueAllWithNoBuffersSucceeds) {
  device_.setBufferCount(0);
  ASSERT_TRUE(device_.open(format_));
  EXPECT_TRUE(device_.queueAll());
}

TEST_F(CaptureDeviceTest, RecordingThreadOrderDeliversTheSourceInOrder) {
  const Bytes source = test::toBytes(test::sine(500, 8000, 8000));
  backend_.setCaptureSource(source);
  device_.setBufferCount(8);
  device_.configure(format_, 400);
  ASSERT_TRUE(device_.open(format_));
  ASSERT_TRUE(device_.queueAll());
  ASSERT_TRUE(device_.start());
  Bytes captured;
  int index = 0;
  while (captured.size() < source.size()) {
    AudioBuffer& b = *device_.buffer(index);
    while (!b.done()) {
      ASSERT_EQ(device_.wait(1000), WAIT_OBJECT_0);
    }
    ASSERT_TRUE(device_.unprepare(b));
    captured.insert(captured.end(), b.data(), b.data() + b.bytesRecorded());
    ASSERT_TRUE(device_.prepare(b));
    ASSERT_TRUE(device_.add(b));
    index = (index + 1) % device_.count();
  }
  EXPECT_TRUE(test::sameBytes(source, captured));
  EXPECT_TRUE(device_.stop());
  EXPECT_TRUE(device_.reset());
  EXPECT_TRUE(device_.close());
  EXPECT_FALSE(device_.isOpen());
}

TEST_F(CaptureDeviceTest, StalledSourceTimesOutAndQueuedBuffersCannotBeUnprepared) {
  backend_.setStallCapture(true);
  device_.setBufferCount(2);
  device_.configure(format_, 400);
  ASSERT_TRUE(device_.open(format_));
  ASSERT_TRUE(device_.queueAll());
  ASSERT_TRUE(device_.start());
  EXPECT_EQ(device_.wait(20), WAIT_TIMEOUT);
  EXPECT_FALSE(device_.buffer(0)->done());
  EXPECT_FALSE(device_.unprepare(*device_.buffer(0)));
  EXPECT_EQ(device_.lastResult(), WAVERR_STILLPLAYING);
  // A close while buffers are queued reports failure but still closes.
  EXPECT_FALSE(device_.close());
  EXPECT_FALSE(device_.isOpen());
}

TEST_F(CaptureDeviceTest, ResetReturnsEveryQueuedBufferDone) {
  backend_.setStallCapture(true);
  device_.setBufferCount(3);
  device_.configure(format_, 400);
  ASSERT_TRUE(device_.open(format_));
  ASSERT_TRUE(device_.queueAll());
  ASSERT_TRUE(device_.start());
  ASSERT_TRUE(device_.stop());
  ASSERT_TRUE(device_.reset());
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(device_.buffer(i)->done()) << i;
    EXPECT_EQ(device_.buffer(i)->bytesRecorded(), 0u) << i;
  }
  EXPECT_EQ(device_.wait(0), WAIT_OBJECT_0);
  EXPECT_TRUE(device_.close());
}

TEST_F(CaptureDeviceTest, AddingAnUnpreparedBufferFails) {
  device_.setBufferCount(1);
  ASSERT_TRUE(device_.open(format_));
  EXPECT_FALSE(device_.add(*device_.buffer(0)));
  EXPECT_EQ(device_.lastResult(), WAVERR_UNPREPARED);
}

TEST_F(CaptureDeviceTest, OperationsOnAClosedDeviceFail) {
  device_.setBufferCount(1);
  EXPECT_FALSE(device_.start());
  EXPECT_FALSE(device_.prepare(*device_.buffer(0)));
  EXPECT_FALSE(device_.queueAll());
}

}  // namespace
}  // namespace qp
