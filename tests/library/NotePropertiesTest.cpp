#include "library/NoteProperties.h"

#include <gtest/gtest.h>

#include <clocale>

#include "support/ScopedTimeZone.h"
#include "support/TempDir.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

TEST(NoteProperties, FileSizeInDecimalUnits) {
  EXPECT_EQ(NoteProperties::fileSizeText(1500000), "1.5 MB");
  EXPECT_EQ(NoteProperties::fileSizeText(1000000), "1000.0 KB");
  EXPECT_EQ(NoteProperties::fileSizeText(46), "0.0 KB");
  EXPECT_EQ(NoteProperties::fileSizeText(2500000000ULL), "2.5 GB");
}

TEST(NoteProperties, LocationWrapsAtEachSeparator) {
  EXPECT_EQ(NoteProperties::locationText("/home/u/Quillophone/Personal/Memo.wav"),
            " / home / u / Quillophone / Personal / Memo.wav");
}

TEST(NoteProperties, LinesOfARealNote) {
  std::setlocale(LC_TIME, "C");
  test::ScopedTimeZone utc("UTC");
  test::TempDir dir;
  NoteEntry entry;
  entry.path = dir.file("Memo.wav");
  // 90.5 seconds of mono 8000 Hz 16-bit audio.
  test::writeFileBytes(entry.path, test::simpleWav(1, 8000, 16, test::Bytes(1448000, 0)));
  entry.displayName = "Memo";
  entry.size = 1448044;
  entry.writeTime = NoteEntry::kUnixEpochAsFileTime + 1796652309ULL * 10000000ULL;
  const NoteProperties p = NoteProperties::of(entry, "Personal");
  EXPECT_EQ(p.name, "Memo");
  EXPECT_EQ(p.folder, "Personal");
  EXPECT_EQ(p.quality, "Low (8000 Hz)");
  EXPECT_EQ(p.length, "1 minute 30.5 seconds");
  EXPECT_EQ(p.lastModified, "Monday December  7 14:05:09 2026");
  EXPECT_EQ(p.fileSize, "1.4 MB");
}

TEST(NoteProperties, QualityAndLengthStayEmptyWhenTheFileDoesNotOpen) {
  test::TempDir dir;
  NoteEntry entry;
  entry.path = dir.file("Broken.wav");
  test::writeFileBytes(entry.path, {'R', 'I', 'F', 'F'});
  entry.size = 4;
  const NoteProperties p = NoteProperties::of(entry, "Personal");
  EXPECT_EQ(p.quality, "");
  EXPECT_EQ(p.length, "");
  EXPECT_EQ(p.fileSize, "0.0 KB");
}

}  // namespace
}  // namespace qp
