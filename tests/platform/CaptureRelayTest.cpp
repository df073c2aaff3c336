// The FIFO between the sound server's thread and the capture buffers: nothing lost or
// reordered however the stream is cut, and only a real overflow drops bytes, counted and
// traced.
#include "platform/CaptureRelay.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "audio/device/AudioEvent.h"
#include "common/DiagnosticTrace.h"
#include "platform/CaptureFifo.h"

namespace qp {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes pattern(std::size_t count) {
  Bytes out(count);
  for (std::size_t i = 0; i < count; ++i) {
    out[i] = static_cast<std::uint8_t>(i % 251);
  }
  return out;
}

TEST(CaptureFifoTest, WrapsAroundAndHandsBackTheBytesInOrder) {
  CaptureFifo fifo(10);
  ASSERT_EQ(fifo.capacity(), 16u);
  const Bytes data = pattern(40);
  Bytes out;
  std::size_t offset = 0;
  // Pieces of 7 into a ring of 16, read 5 at a time: every wrap position is crossed.
  while (out.size() < data.size()) {
    if (offset < data.size()) {
      offset += fifo.push(data.data() + offset, std::min<std::size_t>(7, data.size() - offset));
    }
    const auto span = fifo.readable();
    const std::size_t n = std::min<std::size_t>(5, span.size());
    out.insert(out.end(), span.begin(), span.begin() + static_cast<long>(n));
    fifo.release(n);
  }
  EXPECT_EQ(out, data);
  EXPECT_EQ(fifo.size(), 0u);
}

TEST(CaptureFifoTest, AFullRingTakesOnlyWhatFitsAndSilenceIsZeros) {
  CaptureFifo fifo(8);
  const Bytes data = pattern(12);
  EXPECT_EQ(fifo.push(data.data(), 12), 8u);
  EXPECT_EQ(fifo.push(data.data(), 1), 0u);
  fifo.release(3);
  EXPECT_EQ(fifo.push(nullptr, 5), 3u);
  fifo.release(5);
  const auto span = fifo.readable();
  ASSERT_EQ(span.size(), 3u);
  EXPECT_EQ(Bytes(span.begin(), span.end()), Bytes(3, 0));
  fifo.discardAll();
  EXPECT_EQ(fifo.size(), 0u);
  EXPECT_TRUE(fifo.readable().empty());
}

class CaptureRelayTest : public testing::Test {
 protected:
  void SetUp() override {
    setDiagnosticTraceSink([this](std::string_view line) {
      std::lock_guard lock(traceMutex_);
      traces_.emplace_back(line);
    });
  }
  void TearDown() override { setDiagnosticTraceSink(nullptr); }

  // Queues the ring and reads it as a recording thread does, until count bytes came.
  Bytes consume(CaptureRelay& relay, std::size_t count, std::uint32_t bufferBytes) {
    std::vector<std::unique_ptr<AudioBuffer>> ring;
    for (int i = 0; i < 4; ++i) {
      ring.push_back(std::make_unique<AudioBuffer>(bufferBytes));
      BufferQueue::prepare(*ring.back());
      queue_.enqueue(*ring.back());
      relay.buffersAdded();
    }
    Bytes out;
    for (std::size_t i = 0; out.size() < count; i = (i + 1) % ring.size()) {
      AudioBuffer& buffer = *ring[i];
      while (!buffer.done()) {
        if (event_.wait(2000) == WAIT_TIMEOUT && !buffer.done()) {
          ADD_FAILURE() << "no buffer after " << out.size() << " bytes";
          return out;
        }
      }
      out.insert(out.end(), buffer.data(), buffer.data() + buffer.bytesRecorded());
      consumed_.store(out.size());
      queue_.enqueue(buffer);
      relay.buffersAdded();
    }
    return out;
  }

  AudioEvent event_;
  BufferQueue queue_{event_};
  std::atomic<std::size_t> consumed_{0};
  std::mutex traceMutex_;
  std::vector<std::string> traces_;
};

TEST_F(CaptureRelayTest, BurstsLargerThanTheRingArriveWholeAndInOrder) {
  // Blocks of up to 16 KiB, far more than the four buffers hold together, from a thread of
  // their own at up to about 16 MB/s (a hundred times a note's rate), through a 1 MiB FIFO that
  // wraps around several times. The sender never runs more than half the FIFO ahead of the
  // reader, so a loaded machine cannot make it overflow.
  CaptureRelay relay(queue_, 1 << 20);
  relay.start();
  const Bytes data = pattern(4410 * 900);  // whole buffers
  std::thread server([&] {
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> size(1, 16384);
    for (std::size_t offset = 0; offset < data.size();) {
      while (offset - consumed_.load() > (std::size_t{1} << 19)) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
      }
      const std::size_t n = std::min(size(random), data.size() - offset);
      relay.deliver(data.data() + offset, n);
      offset += n;
      std::this_thread::sleep_for(std::chrono::microseconds(n / 16));
    }
  });
  const Bytes out = consume(relay, data.size(), 4410);
  server.join();
  relay.stop();
  EXPECT_EQ(relay.droppedBytes(), 0u);
  ASSERT_GE(out.size(), data.size());
  EXPECT_TRUE(std::equal(data.begin(), data.end(), out.begin()));
  std::lock_guard lock(traceMutex_);
  EXPECT_TRUE(traces_.empty());
}

TEST_F(CaptureRelayTest, OnlyAnOverflowDropsAndItIsCountedAndTraced) {
  CaptureRelay relay(queue_, 1000);  // 1024 bytes
  relay.start();
  const Bytes data = pattern(3000);
  relay.deliver(data.data(), 3000);  // no buffer queued: the FIFO keeps 1024
  const Bytes out = consume(relay, 1024, 256);
  relay.stop();
  EXPECT_EQ(out, Bytes(data.begin(), data.begin() + 1024));
  EXPECT_EQ(relay.droppedBytes(), 3000u - 1024u);
  std::lock_guard lock(traceMutex_);
  ASSERT_EQ(traces_.size(), 1u);
  EXPECT_NE(traces_[0].find("1976 bytes of sound were lost"), std::string::npos) << traces_[0];
}

TEST_F(CaptureRelayTest, NothingPassesWhileStoppedAndStartForgetsWhatWaited) {
  CaptureRelay relay(queue_, 1024);
  const Bytes data = pattern(600);
  relay.deliver(data.data(), 100);  // before start: ignored
  relay.start();
  relay.deliver(data.data() + 100, 100);
  relay.stop();
  relay.deliver(data.data() + 200, 100);  // after stop: ignored
  AudioBuffer buffer(1000);
  BufferQueue::prepare(buffer);
  queue_.enqueue(buffer);
  relay.buffersAdded();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  queue_.completePartial();
  EXPECT_EQ(buffer.bytesRecorded(), 0u);  // stopped: the waiting 100 bytes stay put

  queue_.enqueue(buffer);
  relay.start();  // a new recording: the 100 old bytes are forgotten
  relay.deliver(data.data() + 300, 300);
  relay.stop();
  queue_.completePartial();
  ASSERT_EQ(buffer.bytesRecorded(), 300u);
  EXPECT_EQ(Bytes(buffer.data(), buffer.data() + 300), Bytes(data.begin() + 300, data.end()));
}

}  // namespace
}  // namespace qp
