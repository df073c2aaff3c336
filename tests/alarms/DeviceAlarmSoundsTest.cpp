// The alarm tone and notes played on an in-memory sound system.
#include <gtest/gtest.h>

#include "alarms/AlarmTone.h"
#include "alarms/scheduling/DeviceAlarmSounds.h"
#include "support/MemoryAudioBackend.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

class DeviceAlarmSoundsTest : public ::testing::Test {
 protected:
  DeviceAlarmSoundsTest() { test::writeFileBytes(note_, test::simpleWav(1, 11025, 16, samples_)); }
  test::TempDir dir_;
  std::string note_ = dir_.file("note.wav");
  std::vector<std::uint8_t> samples_ = test::toBytes(test::sine(500, 11025, 11025));
  test::MemoryAudioBackend backend_;
  DeviceAlarmSounds sounds_{backend_};
};

TEST_F(DeviceAlarmSoundsTest, ToneIsAShortAudibleChime) {
  const auto tone = test::fromBytes(AlarmTone::bytes());
  EXPECT_GT(tone.size(), 22050u / 2);
  EXPECT_LT(tone.size(), 22050u);
  EXPECT_GT(test::rms(tone), 1000.0);
  ASSERT_TRUE(sounds_.playTone());
  EXPECT_EQ(backend_.played(), AlarmTone::bytes());
  EXPECT_EQ(backend_.state().lastFormat, AlarmTone::format());
}

TEST_F(DeviceAlarmSoundsTest, NotePlaysWholeSynchronouslyOrInTheBackground) {
  sounds_.playNote(note_);
  EXPECT_EQ(backend_.played(), samples_);
  sounds_.startNote(note_);
  test::waitUntil([&] { return !sounds_.playing(); });
  EXPECT_FALSE(sounds_.playing());
  EXPECT_EQ(backend_.played().size(), 2 * samples_.size());
  sounds_.playNote(dir_.file("missing.wav"));  // skipped silently
  EXPECT_EQ(backend_.played().size(), 2 * samples_.size());
}

TEST_F(DeviceAlarmSoundsTest, ToneDoesNotInterruptAPlayingNote) {
  backend_.setStallPlayback(true);  // the started note never finishes by itself
  sounds_.startNote(note_);
  EXPECT_TRUE(sounds_.playing());
  EXPECT_FALSE(sounds_.playTone());
  sounds_.stopAll();
  EXPECT_FALSE(sounds_.playing());
  backend_.setStallPlayback(false);
  EXPECT_TRUE(sounds_.playTone());
}

TEST_F(DeviceAlarmSoundsTest, ToneFailsWithoutASoundDevice) {
  backend_.setRefuseOpen(MMSYSERR_NODRIVER);
  EXPECT_FALSE(sounds_.playTone());
}

}  // namespace
}  // namespace qp
