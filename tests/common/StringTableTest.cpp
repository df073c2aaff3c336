// The string tables: texts by id, the fall-back to English and to the built-in text, and the
// tables' own consistency.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "common/LanguageId.h"
#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp {
namespace {

TEST(StringTable, EnglishTexts) {
  const StringTable table(0x0409);
  EXPECT_TRUE(table.isEnglish());
  EXPECT_EQ(table.text(1), "Quillophone");
  EXPECT_EQ(table.text(4), "Alarms");
  EXPECT_EQ(table.text(7), " ");
  EXPECT_EQ(table.text(40),
            "A folder name cannot contain any of the following characters:  \\ / : * ? < > | \"");
  EXPECT_EQ(StringTable::format(table.text(41), 25),
            "A folder name cannot be longer than 25 characters.");
  EXPECT_EQ(StringTable::format(table.text(34), 3),
            "Are you sure you want to erase these 3 notes?");
}

TEST(StringTable, LookupFallsBackToEnglishThenToTheBuiltInText) {
  const StringTable german(0x0c07);
  EXPECT_EQ(german.language(), 1031);
  EXPECT_FALSE(german.isEnglish());
  const StringTable dutch(0x0813);  // Dutch (Belgium)
  EXPECT_EQ(dutch.language(), 1043);
  EXPECT_EQ(dutch.text(3), "Personal");  // no Dutch table: the English text
  const StringTable unknown(0);
  EXPECT_EQ(unknown.text(152), "Note Properties");
  EXPECT_EQ(unknown.text(9999, "built-in"), "built-in");
  EXPECT_EQ(unknown.text(9999), "");
}

TEST(StringTable, EveryLanguageHasUniqueIdsAndEnglishHasEveryId) {
  std::size_t count = 0;
  const LanguageStrings* const* all = allLanguageStrings(count);
  ASSERT_GE(count, 1u);
  for (std::size_t t = 0; t < count; ++t) {
    for (std::size_t i = 0; i < all[t]->count; ++i) {
      for (std::size_t j = i + 1; j < all[t]->count; ++j) {
        EXPECT_NE(all[t]->strings[i].id, all[t]->strings[j].id) << all[t]->languageId;
      }
      EXPECT_NE(StringTable(0x0409).text(all[t]->strings[i].id, "\x01"), "\x01");
    }
  }
}

// The English wording of the texts that code outside the library shows; the command line
// prints them and scripts compare them, so they must not change by a byte.
TEST(StringTable, EnglishWordingOfTheProgramsMessages) {
  struct Row {
    int id;
    const char* text;
  };
  const Row rows[] = {
      {StringId::kPaused, "Paused"},
      {StringId::kDiskSpaceNote,
       "This affects the amount of disk space used. 10 minutes of notes at \"%s\" will use %s of "
       "disk space."},
      {StringId::kGigabytes, "GB"},
      {StringId::kMegabytes, "MB"},
      {StringId::kKilobytes, "KB"},
      {StringId::kCannotOpenNote, "Unable to open the note file."},
      {StringId::kOnly16BitPlayback, "Only 16-bit wave files can be played."},
      {StringId::kCannotOpenSpeakers, "Unable to open the speakers."},
      {StringId::kCannotOpenMicrophone,
       "Unable to open the microphone. This could mean that another application is already "
       "using the microphone."},
      {StringId::kDiskFull, "Unable to write the note file. The disk may be full."},
      {StringId::kNoteFull, "The note has reached the largest size a wave file can hold."},
      {StringId::kNoAudio,
       "No audio was detected coming from your microphone.\n\nPress the \"Help\" button if you "
       "want help adjusting your microphone."},
      {StringId::kSelectANote, "Select a note before pushing this button."},
      {StringId::kEraseSelectionQuestion, "Do you want to erase the selected area of the note?"},
      {StringId::kReplaceSelectionQuestion,
       "Do you want to replace the selected area of the note?\n\n(If you answer \"No\", click "
       "on the graph to select the insertion point.)"},
      {StringId::kNeedInsertionPoint,
       "You need to click on the graph to indicate the insertion point."},
      {StringId::kMonoOnly, "You can only insert notes into 16-bit, mono wave files."},
      {StringId::kInserting, "Inserting"},
      {StringId::kAppending, "Appending"},
      {StringId::kLengthSeconds, "%.1f seconds"},
      {StringId::kLengthOneMinute, "1 minute %.1f seconds"},
      {StringId::kLengthMinutes, "%i minutes %.1f seconds"},
      {StringId::kIntegerOutOfRange, "Please enter an integer between %i and %i."},
      {StringId::kCloseWithAlarmsQuestion,
       "You have active alarms. Closing Quillophone will disable the alarms.\n\nDo you want to "
       "close Quillophone?"},
      {StringId::kEmailSubject, "Tolvane Quillophone Message"},
      {StringId::kMp3File, "MP3 File"},
      {StringId::kWmaFile, "WMA File"},
  };
  const StringTable english(0x0409);
  for (const Row& row : rows) {
    EXPECT_EQ(english.text(row.id), row.text) << row.id;
  }
}

TEST(StringTable, SubstituteFillsPlaceholdersInOrderAndNeverReadsPastTheValues) {
  struct Row {
    const char* pattern;
    std::vector<std::string> values;
    const char* expected;
  };
  const Row rows[] = {
      {"%.1f seconds", {"59.9"}, "59.9 seconds"},
      {"%i minutes %.1f seconds", {"2", "5.2"}, "2 minutes 5.2 seconds"},
      {"at \"%s\" will use %s of", {"High", "26.5 MB"}, "at \"High\" will use 26.5 MB of"},
      {"between %i and %i.", {"1", "60"}, "between 1 and 60."},
      {"%-08.3lf|%5s|%u|%ld", {"a", "b", "c", "d"}, "a|b|c|d"},
      {"100%% of %s", {"it"}, "100% of it"},
      {"%s and %s", {"one"}, "one and "},  // a placeholder too many: empty
      {"%s", {"one", "two"}, "one"},       // a value too many: unused
      {"no placeholder", {"x"}, "no placeholder"},
      {"ends in %", {"x"}, "ends in %"},
      {"%s", {"%s %i"}, "%s %i"},  // values are not scanned again
  };
  for (const Row& row : rows) {
    EXPECT_EQ(StringTable::substitute(row.pattern, row.values), row.expected) << row.pattern;
  }
}

// Restores the process's table to the user's language when a test that switches it ends.
class ActiveTableTest : public testing::Test {
 protected:
  ~ActiveTableTest() override { StringTable::setActive(LanguageId::system()); }
};

TEST_F(ActiveTableTest, AnEarlierReferenceStaysValidAndKeepsItsLanguage) {
  StringTable::setActive(0x0409);
  const StringTable& english = StringTable::active();
  StringTable::setActive(0x0c07);  // German (Austria)
  const StringTable& german = StringTable::active();
  EXPECT_EQ(german.language(), 1031);
  EXPECT_EQ(english.language(), 1033);
  EXPECT_EQ(english.text(StringId::kProductName), "Quillophone");
  StringTable::setActive(0x0407);  // another German: the same table as before
  EXPECT_EQ(&StringTable::active(), &german);
  StringTable::setActive(0x0809);  // English (UK): the English table of the first choice
  EXPECT_EQ(&StringTable::active(), &english);
}

TEST_F(ActiveTableTest, ReadersOnOtherThreadsWhileTheChoiceChanges) {
  std::atomic<bool> stop{false};
  std::vector<std::thread> readers;
  for (int i = 0; i < 3; ++i) {
    readers.emplace_back([&] {
      while (!stop.load()) {
        const StringTable& table = StringTable::active();
        EXPECT_FALSE(table.text(StringId::kDefaultFolder1).empty());
      }
    });
  }
  const std::uint16_t languages[] = {0x0409, 0x0407, 0x040c, 0x0411, 0x0809};
  for (int round = 0; round < 200; ++round) {
    StringTable::setActive(languages[round % 5]);
  }
  stop = true;
  for (std::thread& reader : readers) {
    reader.join();
  }
}

}  // namespace
}  // namespace qp
