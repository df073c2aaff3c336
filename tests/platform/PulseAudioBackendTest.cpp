// The sound devices on a real sound server: the private test server's tone microphone (the
// default source, 440 Hz) and its null sink, heard back through the sink's monitor.
#include "platform/PulseAudioBackend.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "audio/device/BufferSizing.h"
#include "audio/device/CaptureDevice.h"
#include "audio/device/PlaybackDevice.h"
#include "support/LoudPart.h"
#include "support/ScopedEnvironment.h"
#include "support/SignalGenerators.h"
#include "support/WaitUntil.h"

namespace qp {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

// Runs the recording thread's order on a capture device for a number of bytes.
Bytes capture(CaptureDevice& device, std::size_t bytes) {
  Bytes out;
  int index = 0;
  int timeouts = 0;
  while (out.size() < bytes && timeouts < 3) {
    AudioBuffer& b = *device.buffer(index);
    if (!b.done()) {
      timeouts += device.wait(1000) == WAIT_TIMEOUT && !b.done() ? 1 : 0;
      continue;
    }
    timeouts = 0;
    device.unprepare(b);
    out.insert(out.end(), b.data(), b.data() + b.bytesRecorded());
    device.prepare(b);
    device.add(b);
    index = (index + 1) % device.count();
  }
  return out;
}

// Plays the bytes through a playback device the way the player does; returns when the last
// buffer has been played.
void play(PlaybackDevice& device, const Bytes& note, std::uint32_t chunk) {
  int index = 0;
  for (std::size_t offset = 0; offset < note.size(); offset += chunk) {
    AudioBuffer& b = *device.buffer(index);
    ASSERT_TRUE(test::waitUntil([&] { return device.unprepare(b); })) << "buffer never played";
    const auto n = static_cast<std::uint32_t>(std::min<std::size_t>(chunk, note.size() - offset));
    std::memcpy(b.data(), note.data() + offset, n);
    b.setLength(n);
    device.prepare(b);
    ASSERT_TRUE(device.write(b));
    index = (index + 1) % device.count();
  }
  for (int i = 0; i < device.count(); ++i) {
    ASSERT_TRUE(test::waitUntil([&] { return device.unprepare(*device.buffer(i)); }))
        << "buffer " << i << " never played";
  }
}

class PulseAudioBackendTest : public testing::Test {
 protected:
  void SetUp() override { env_.unset("PULSE_SOURCE"); }
  test::ScopedEnvironment env_;
};

TEST_F(PulseAudioBackendTest, RecordsTheToneMicrophone) {
  PulseAudioBackend backend("test");
  for (const std::uint32_t rate : {8000u, 22050u}) {
    const auto format = WaveFormat::pcm(1, rate, 16);
    CaptureDevice device(backend);
    device.setBufferCount(BufferSizing::kMainRecorderBuffers);
    device.configure(format, BufferSizing::mainRecorderBufferBytes(rate));
    ASSERT_TRUE(device.open(format)) << device.lastResult();
    ASSERT_TRUE(device.queueAll());
    ASSERT_TRUE(device.start());
    Bytes recorded = capture(device, 2 * format.nAvgBytesPerSec);
    EXPECT_TRUE(device.stop());
    EXPECT_TRUE(device.reset());
    EXPECT_TRUE(device.close());
    ASSERT_GE(recorded.size(), 2 * format.nAvgBytesPerSec) << rate;
    recorded.resize(2 * format.nAvgBytesPerSec);
    const auto samples = test::fromBytes(recorded);
    EXPECT_NEAR(test::dominantFrequency(samples, rate), 440.0, 2.0) << rate;
    EXPECT_GT(test::rms(samples), 1000.0) << rate;
  }
}

TEST_F(PulseAudioBackendTest, ABurstySourceLosesNothingAndKeepsItsPace) {
  // qp_burst hands over up to 2 s of its tone at once: far more than the free buffers hold.
  setenv("PULSE_SOURCE", "qp_burst", 1);
  PulseAudioBackend backend("test");
  constexpr std::uint32_t kRate = 22050;
  const auto format = WaveFormat::pcm(1, kRate, 16);
  CaptureDevice device(backend);
  device.setBufferCount(BufferSizing::kMainRecorderBuffers);
  device.configure(format, BufferSizing::mainRecorderBufferBytes(kRate));
  ASSERT_TRUE(device.open(format)) << device.lastResult();
  ASSERT_TRUE(device.queueAll());
  const auto start = Clock::now();
  ASSERT_TRUE(device.start());
  Bytes recorded = capture(device, 5 * format.nAvgBytesPerSec);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  device.stop();
  device.reset();
  device.close();
  ASSERT_GE(recorded.size(), 5 * format.nAvgBytesPerSec);
  recorded.resize(5 * format.nAvgBytesPerSec);
  const auto samples = test::fromBytes(recorded);
  // Five seconds of sound take five seconds, give or take the one block the source holds.
  EXPECT_GT(seconds, 2.5);
  EXPECT_LT(seconds, 8.0);
  EXPECT_EQ(test::brokenToneWindows(samples, kRate, 440.0, kRate / 20), 0u);
  EXPECT_NEAR(test::dominantFrequency(samples, kRate), 440.0, 2.0);
}

TEST_F(PulseAudioBackendTest, StopReturnsThePartialBufferAndResetTheRest) {
  PulseAudioBackend backend("test");
  const auto format = WaveFormat::pcm(1, 8000, 16);
  CaptureDevice device(backend);
  device.setBufferCount(4);
  device.configure(format, 160000);  // ten seconds per buffer
  ASSERT_TRUE(device.open(format));
  ASSERT_TRUE(device.queueAll());
  ASSERT_TRUE(device.start());
  // A second recording of the same microphone, started later, tells when sound has been
  // flowing for a while: once it has 0.3 s, the first buffer above holds sound too.
  CaptureDevice clock(backend);
  clock.setBufferCount(4);
  clock.configure(format, 800);  // 50 ms per buffer
  ASSERT_TRUE(clock.open(format));
  ASSERT_TRUE(clock.queueAll());
  ASSERT_TRUE(clock.start());
  ASSERT_GE(capture(clock, 4800).size(), 4800u);
  clock.stop();
  clock.reset();
  clock.close();
  ASSERT_TRUE(device.stop());
  AudioBuffer& first = *device.buffer(0);
  EXPECT_TRUE(first.done());
  EXPECT_GT(first.bytesRecorded(), 0u);
  EXPECT_LT(first.bytesRecorded(), device.bufferSize());
  EXPECT_FALSE(device.buffer(1)->done());
  ASSERT_TRUE(device.reset());
  for (int i = 1; i < 4; ++i) {
    EXPECT_TRUE(device.buffer(i)->done()) << i;
  }
  EXPECT_TRUE(device.close());
}

TEST_F(PulseAudioBackendTest, PlaysIntoTheSinkAndIsHeardBackPacedByTheSound) {
  env_.set("PULSE_SOURCE", "qp_sink.monitor");
  PulseAudioBackend backend("test");
  const auto format = WaveFormat::pcm(1, 22050, 16);
  CaptureDevice mic(backend);
  mic.setBufferCount(8);
  mic.configure(format, 22050);  // half a second per buffer
  ASSERT_TRUE(mic.open(format));
  ASSERT_TRUE(mic.queueAll());
  ASSERT_TRUE(mic.start());

  PlaybackDevice speaker(backend);
  const std::uint32_t chunk = BufferSizing::playbackChunkBytes(22050, 1);
  speaker.setBufferCount(BufferSizing::kPlaybackBuffers);
  speaker.configure(format, 2 * chunk);
  ASSERT_TRUE(speaker.open(format));
  speaker.resetEvent();
  const Bytes note = test::toBytes(test::sine(1000, 22050, 22050, 12000));
  const auto start = Clock::now();
  play(speaker, note, chunk);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  speaker.reset();
  speaker.close();
  // Buffers come back only once played: one second of sound cannot finish much sooner (a
  // lower bound a slow machine cannot break; play() fails if a buffer never comes back).
  EXPECT_GT(seconds, 0.85);

  const Bytes heard = capture(mic, 3 * 44100);
  mic.stop();
  mic.reset();
  mic.close();
  // Keep the loud part: the played tone.
  std::vector<std::int16_t> loud = test::fromFirstLoud(test::fromBytes(heard));
  ASSERT_GT(loud.size(), 15000u);
  loud.resize(15000);
  EXPECT_NEAR(test::dominantFrequency(loud, 22050), 1000.0, 3.0);
  EXPECT_NEAR(test::rms(loud), 12000 / std::sqrt(2.0), 1500.0);
}

TEST_F(PulseAudioBackendTest, ResetStopsPlaybackAtOnceAndFreesEveryBuffer) {
  PulseAudioBackend backend("test");
  const auto format = WaveFormat::pcm(1, 8000, 16);
  PlaybackDevice speaker(backend);
  speaker.setBufferCount(4);
  speaker.configure(format, 16000);
  ASSERT_TRUE(speaker.open(format));
  for (int i = 0; i < 4; ++i) {
    AudioBuffer& b = *speaker.buffer(i);
    speaker.prepare(b);
    ASSERT_TRUE(speaker.write(b));  // four seconds of silence queued
  }
  EXPECT_FALSE(speaker.unprepare(*speaker.buffer(3)));
  ASSERT_TRUE(speaker.reset());
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(speaker.buffer(i)->done()) << i;
    EXPECT_TRUE(speaker.unprepare(*speaker.buffer(i))) << i;
  }
  speaker.close();
}

TEST_F(PulseAudioBackendTest, NoServerMeansNoDevice) {
  env_.set("PULSE_SERVER", "unix:/nonexistent/qp-no-server");
  {
    PulseAudioBackend backend("test");
    CaptureDevice mic(backend);
    EXPECT_FALSE(mic.open(WaveFormat::pcm(1, 8000, 16)));
    PlaybackDevice speaker(backend);
    EXPECT_FALSE(speaker.open(WaveFormat::pcm(1, 8000, 16)));
    EXPECT_EQ(speaker.lastResult(), MMSYSERR_NODRIVER);
  }
}

}  // namespace
}  // namespace qp
