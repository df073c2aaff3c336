// The string tables: texts by id, the fall-back to English and to the built-in text, and the
// tables' own consistency.
#include <gtest/gtest.h>

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
  EXPECT_EQ(german.text(3), "Personal");  // no German table yet: the English text
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

}  // namespace
}  // namespace qp
