// Language ids: the table language of each variant and the id of a locale name.
#include "common/LanguageId.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qp
