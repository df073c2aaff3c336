#include "ui/skin/PanelSounds.h"

#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "common/LittleEndian.h"
#include "support/FakeProcessLauncher.h"
#include "support/TempDir.h"
#include "ui/skin/PanelSoundPlayer.h"

namespace qp {
namespace {

// Zero crossings of the first and the second half: a rising chirp has more in the second.
std::pair<int, int> crossingsByHalf(const std::vector<std::int16_t>& samples) {
  int first = 0;
  int second = 0;
  for (std::size_t i = 1; i < samples.size(); ++i) {
    if ((samples[i - 1] < 0) != (samples[i] < 0)) {
      (i < samples.size() / 2 ? first : second)++;
    }
  }
  return {first, second};
}

TEST(PanelSounds, AreCompleteSixteenBitMonoWavFiles) {
  for (const int id : {PanelSounds::kOpenId, PanelSounds::kCloseId}) {
    const std::vector<std::uint8_t> wav = PanelSounds::wav(id);
    ASSERT_GT(wav.size(), 44U);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(getLe32(&wav[4]), wav.size() - 8);
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(getLe16(&wav[20]), 1);  // PCM
    EXPECT_EQ(getLe16(&wav[22]), 1);  // mono
    EXPECT_EQ(getLe32(&wav[24]), 22050U);
    EXPECT_EQ(getLe16(&wav[34]), 16);
    EXPECT_EQ(getLe32(&wav[40]), wav.size() - 44);
    EXPECT_EQ(getLe32(&wav[40]), 22050U * 90 / 1000 * 2);
  }
  EXPECT_TRUE(PanelSounds::wav(340).empty());
}

TEST(PanelSounds, OpeningRisesClosingFallsSoftly) {
  const auto rising = PanelSounds::chirp(660, 1320);
  const auto falling = PanelSounds::chirp(1320, 660);
  const auto [risingFirst, risingSecond] = crossingsByHalf(rising);
  const auto [fallingFirst, fallingSecond] = crossingsByHalf(falling);
  EXPECT_GT(risingSecond, risingFirst);
  EXPECT_LT(fallingSecond, fallingFirst);
  for (const auto* samples : {&rising, &falling}) {
    const auto loudest = std::max_element(samples->begin(), samples->end(),
                                          [](int a, int b) { return std::abs(a) < std::abs(b); });
    EXPECT_LE(std::abs(*loudest), 32767 / 4 + 1);
    EXPECT_GT(std::abs(*loudest), 32767 / 8);
    EXPECT_LE(std::abs(samples->front()), 1);  // no click at either end
    EXPECT_LE(std::abs(samples->back()), 300);
  }
}

TEST(PanelSoundPlayer, WritesTheSoundOnceAndStartsThePlayer) {
  test::TempDir dir;
  test::FakeProcessLauncher launcher;
  PanelSoundPlayer player(launcher, QString::fromStdString(dir.path().string()));
  ASSERT_TRUE(player.play(PanelSounds::kOpenId));
  const QString file = player.fileOf(PanelSounds::kOpenId);
  using Call = test::FakeProcessLauncher::Call;
  ASSERT_EQ(launcher.calls.size(), 1U);
  EXPECT_EQ(launcher.calls[0], (Call{false, "paplay", {file.toStdString()}}));
  EXPECT_EQ(QFile(file).size(), static_cast<qint64>(PanelSounds::wav(338).size()));
  EXPECT_FALSE(player.play(12));
  EXPECT_EQ(launcher.calls.size(), 1U);
}

}  // namespace
}  // namespace qp
