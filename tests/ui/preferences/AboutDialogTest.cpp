// The about box: the version from the build, the statistics of a notes tree on disk (folders,
// notes in every folder and below, alarms, bytes), the size texts, and the optional lines and
// buttons.
#include "ui/preferences/AboutDialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "alarms/AlarmFile.h"
#include "common/MemorySettingsStore.h"
#include "support/FakeClock.h"
#include "support/NoteTree.h"
#include "support/TempDir.h"

namespace qp {
namespace {

class AboutDialogTest : public testing::Test {
 protected:
  void addAlarm(const std::string& note) {
    AlarmRecord record;
    record.schedule = AlarmRecord::kOneTime;
    record.hour = 12;
    record.playOnDate = static_cast<std::int32_t>(test::kBaseTime + 86400);
    ASSERT_TRUE(AlarmFile::save(AlarmFile::pathForNote(dir_.file(note)), record));
  }

  LibraryStatistics gather(int armed = 0) {
    return LibraryStatistics::gather(dir_.path().string(), settings_, strings_, clock_, armed);
  }

  static QString field(const AboutDialog& dialog, const char* name) {
    const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(label, nullptr) << name;
    return label == nullptr ? QString() : label->text();
  }

  test::TempDir dir_;
  MemorySettingsStore settings_;
  StringTable strings_{1033};
  test::FakeClock clock_{test::kBaseTime};
};

TEST_F(AboutDialogTest, StatisticsCountEveryFolderNoteAndAlarm) {
  test::writeFileAt(dir_.path() / "Personal/one.wav", 400000);
  test::writeFileAt(dir_.path() / "Personal/two.wav", 500000);
  test::writeFileAt(dir_.path() / "Personal/notes.txt", 7000000);  // not a note
  test::writeFileAt(dir_.path() / "Business/2026/deep.wav", 99999);
  std::filesystem::create_directories(dir_.path() / "To Do");
  addAlarm("Personal/two.wav");
  addAlarm("Business/2026/deep.wav");
  const LibraryStatistics statistics = gather(1);
  EXPECT_EQ(statistics.folders, 3U);
  EXPECT_EQ(statistics.notes, 3U);
  EXPECT_EQ(statistics.notesWithAlarms, 2U);
  EXPECT_EQ(statistics.bytesUsed, 999999U);
  EXPECT_GT(statistics.bytesAvailable, 0U);

  AboutInfo info;
  info.statistics = statistics;
  const AboutDialog dialog(info, strings_);
  EXPECT_EQ(field(dialog, "foldersValue"), "3");
  EXPECT_EQ(field(dialog, "notesValue"), "3");
  EXPECT_EQ(field(dialog, "alarmsValue"), "2  (Today: 1)");
  EXPECT_EQ(field(dialog, "usedValue"), "1000.0 KB");
  EXPECT_EQ(field(dialog, "availableValue"),
            QString::fromStdString(sizeText(statistics.bytesAvailable, strings_)));
}

TEST_F(AboutDialogTest, AnEmptyOrMissingLibraryShowsZeros) {
  test::writeFileAt(dir_.path() / "Personal/one.wav", 10);
  EXPECT_EQ(gather(5).alarmsText(strings_), "0");
  const auto missing =
      LibraryStatistics::gather((dir_.path() / "gone").string(), settings_, strings_, clock_, 0);
  EXPECT_EQ(missing.folders, 0U);
  EXPECT_EQ(missing.notes, 0U);
  EXPECT_EQ(missing.bytesAvailable, 0U);
  EXPECT_EQ(sizeText(missing.bytesAvailable, strings_), "0.0 KB");
}

TEST_F(AboutDialogTest, SizesUseTheUnitTheyExceed) {
  const std::pair<std::uint64_t, const char*> cases[] = {
      {0, "0.0 KB"},
      {999, "1.0 KB"},
      {999999, "1000.0 KB"},
      {1000000, "1000.0 KB"},
      {1000001, "1.0 MB"},
      {26460000, "26.5 MB"},
      {1000000000, "1000.0 MB"},
      {1000000001, "1.0 GB"},
      {5368709120ULL, "5.4 GB"},
  };
  for (const auto& [bytes, text] : cases) {
    EXPECT_EQ(sizeText(bytes, strings_), text) << bytes;
  }
}

TEST_F(AboutDialogTest, TheVersionLineShowsTheBuildsMajorAndMinorVersion) {
  const std::string version = QP_PROJECT_VERSION;
  const std::string majorMinor = version.substr(0, version.rfind('.'));
  EXPECT_EQ(AboutDialog::versionLine(strings_), "Version " + majorMinor);
  const AboutDialog dialog(AboutInfo{}, strings_);
  EXPECT_EQ(field(dialog, "versionLine").toStdString(), "Version " + majorMinor);
  EXPECT_EQ(field(dialog, "productName"), "Quillophone");
}

TEST_F(AboutDialogTest, CreditsWebSiteAndHelpAppearOnlyWhenThereAreAny) {
  const AboutDialog bare(AboutInfo{}, strings_);
  EXPECT_TRUE(bare.findChild<QLabel*>("creditsLine")->isHidden());
  EXPECT_EQ(bare.findChild<QPushButton*>("webButton"), nullptr);
  EXPECT_EQ(bare.findChild<QPushButton*>("helpButton"), nullptr);

  AboutInfo info;
  info.credits = "MP3 encoding by a library.\n\nWMA conversion by others.";
  info.webAddress = "https://example.org/";
  info.helpPath = "/usr/share/doc/quillophone/manual/index.html";
  const AboutDialog full(info, strings_);
  const auto* credits = full.findChild<QLabel*>("creditsLine");
  EXPECT_FALSE(credits->isHidden());
  EXPECT_EQ(credits->text().toStdString(), info.credits);
  EXPECT_NE(full.findChild<QPushButton*>("webButton"), nullptr);
  EXPECT_NE(full.findChild<QPushButton*>("helpButton"), nullptr);
}

}  // namespace
}  // namespace qp
