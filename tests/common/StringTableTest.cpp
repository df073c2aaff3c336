#include <gtest/gtest.h>

#include "common/LanguageId.h"
#include "common/StringTable.h"

namespace qp {
namespace {

TEST(LanguageId, VariantsMapToTheirTableLanguage) {
  struct Row {
    std::uint16_t id, table;
  };
  const Row rows[] = {
      {0x0409, 1033}, {0x0809, 1033},   {0x0c07, 1031},   {0x0407, 1031}, {0x0404, 1028},
      {0x0c04, 1028}, {0x0804, 2052},   {0x1004, 2052},   {0x0c0a, 2058}, {0x040a, 2058},
      {0x0c0c, 1036}, {0x0810, 1040},   {0x0412, 1042},   {0x0813, 1043}, {0x0814, 1044},
      {0x0415, 1045}, {0x0816, 1046},   {0x0419, 1049},   {0x081d, 1053}, {0x0401, 1025},
      {0x3801, 1025}, {0x0411, 0x0411}, {0x040b, 0x040b}, {0, 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(LanguageId::mapToTableLanguage(row.id), row.table) << std::hex << row.id;
  }
}

TEST(LanguageId, LocaleNamesGiveLanguageIds) {
  EXPECT_EQ(LanguageId::fromLocaleName("C"), 0x0409);
  EXPECT_EQ(LanguageId::fromLocaleName("POSIX"), 0x0409);
  EXPECT_EQ(LanguageId::fromLocaleName("C.UTF-8"), 0x0409);
  EXPECT_EQ(LanguageId::fromLocaleName(""), 0x0409);
  EXPECT_EQ(LanguageId::fromLocaleName("en_GB.UTF-8"), 0x0809);
  EXPECT_EQ(LanguageId::fromLocaleName("de_AT.UTF-8"), 0x0c07);
  EXPECT_EQ(LanguageId::fromLocaleName("de"), 0x0407);
  EXPECT_EQ(LanguageId::fromLocaleName("zh_TW.UTF-8"), 0x0404);
  EXPECT_EQ(LanguageId::fromLocaleName("zh_CN.GB2312"), 0x0804);
  EXPECT_EQ(LanguageId::fromLocaleName("pt_BR"), 0x0416);
  EXPECT_EQ(LanguageId::fromLocaleName("pt_PT@euro"), 0x0816);
  EXPECT_EQ(LanguageId::fromLocaleName("xx_YY"), 0);
}

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
