#include "audio/wave/NoteMetrics.h"

#include <gtest/gtest.h>

namespace qp {
namespace {

TEST(NoteMetrics, QualityPresetsAndOutOfRangeValues) {
  EXPECT_EQ(NoteMetrics::qualitySampleRate(0), 8000u);
  EXPECT_EQ(NoteMetrics::qualitySampleRate(1), 11025u);
  EXPECT_EQ(NoteMetrics::qualitySampleRate(2), 22050u);
  for (const int bad : {-1, 3, 100, -2147483647}) {
    EXPECT_EQ(NoteMetrics::qualitySampleRate(bad), 22050u) << bad;
  }
}

TEST(NoteMetrics, ByteOffsetOfFractionTruncatesToMultipleOfFour) {
  EXPECT_EQ(NoteMetrics::byteOffsetOfFraction(1.0, 10), 8u);
  EXPECT_EQ(NoteMetrics::byteOffsetOfFraction(0.5, 10), 4u);
  EXPECT_EQ(NoteMetrics::byteOffsetOfFraction(0.0, 10), 0u);
  EXPECT_EQ(NoteMetrics::byteOffsetOfFraction(0.999, 1000), 996u);
  EXPECT_EQ(NoteMetrics::byteOffsetOfFraction(0.25, 0xFFFFFF00u), 0x3FFFFFC0u);
  // Outside 0..1 (a stray mouse position) stays inside the note.
  EXPECT_EQ(NoteMetrics::byteOffsetOfFraction(-0.5, 1000), 0u);
  EXPECT_EQ(NoteMetrics::byteOffsetOfFraction(1.5, 1000), 1000u);
}

TEST(NoteMetrics, DurationAndLengthText) {
  EXPECT_DOUBLE_EQ(NoteMetrics::durationSeconds(44100, 22050, 1), 1.0);
  EXPECT_DOUBLE_EQ(NoteMetrics::durationSeconds(88200, 22050, 2), 1.0);
  EXPECT_DOUBLE_EQ(NoteMetrics::durationSeconds(1000, 0, 1), 0.0);
  EXPECT_EQ(NoteMetrics::lengthText(0.0), "0.0 seconds");
  EXPECT_EQ(NoteMetrics::lengthText(59.94), "59.9 seconds");
  EXPECT_EQ(NoteMetrics::lengthText(60.0), "1 minute 0.0 seconds");
  EXPECT_EQ(NoteMetrics::lengthText(119.5), "1 minute 59.5 seconds");
  EXPECT_EQ(NoteMetrics::lengthText(125.25), "2 minutes 5.2 seconds");
  EXPECT_EQ(NoteMetrics::lengthText(3600.0), "60 minutes 0.0 seconds");
}

TEST(NoteMetrics, QualityLabelsByRate) {
  EXPECT_EQ(NoteMetrics::qualityLabel(8000), "Low");
  EXPECT_EQ(NoteMetrics::qualityLabel(6000), "Low");
  EXPECT_EQ(NoteMetrics::qualityLabel(8001), "Medium");
  EXPECT_EQ(NoteMetrics::qualityLabel(11025), "Medium");
  EXPECT_EQ(NoteMetrics::qualityLabel(11026), "High");
  EXPECT_EQ(NoteMetrics::qualityLabel(48000), "High");
}

TEST(NoteMetrics, DiskSpaceText) {
  EXPECT_EQ(NoteMetrics::tenMinuteBytes(0), 9600000u);
  EXPECT_EQ(NoteMetrics::diskSpaceText(0),
            "This affects the amount of disk space used. 10 minutes of notes at \"Low\" will use "
            "9.6 MB of disk space.");
  EXPECT_EQ(
      NoteMetrics::diskSpaceText(1),
      "This affects the amount of disk space used. 10 minutes of notes at \"Medium\" will use "
      "13.2 MB of disk space.");
  EXPECT_EQ(NoteMetrics::diskSpaceText(2),
            "This affects the amount of disk space used. 10 minutes of notes at \"High\" will use "
            "26.5 MB of disk space.");
}

}  // namespace
}  // namespace qp
