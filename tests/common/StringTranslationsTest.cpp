// The nine translated string tables against the English one: the same ids, the same printf
// placeholders in the same order (StringTable::substitute fills them by position), the same
// keyboard accelerators and line breaks, and texts that are valid UTF-8 and not empty.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/LanguageId.h"
#include "common/StringIds.h"
#include "common/StringResource.h"
#include "common/StringTable.h"

namespace qp {
namespace {

const LanguageStrings* tableOf(std::uint16_t language) {
  std::size_t count = 0;
  const LanguageStrings* const* all = allLanguageStrings(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (all[i]->languageId == language) {
      return all[i];
    }
  }
  return nullptr;
}

std::map<int, std::string> textsOf(const LanguageStrings& table) {
  std::map<int, std::string> texts;
  for (std::size_t i = 0; i < table.count; ++i) {
    texts[table.strings[i].id] = table.strings[i].text;
  }
  return texts;
}

// The printf conversions of text in order, each as written ("%s", "%.1f", "%%").
std::vector<std::string> placeholders(const std::string& text) {
  std::vector<std::string> found;
  for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at)) {
    std::size_t end = at + 1;
    while (end < text.size() &&
           std::string("-+ #0123456789.hlLqjzt").find(text[end]) != std::string::npos) {
      ++end;
    }
    end = std::min(end + 1, text.size());
    found.push_back(text.substr(at, end - at));
    at = end;
  }
  return found;
}

// The characters that follow a single '&' (a keyboard accelerator); "&&" is a literal '&'.
std::string accelerators(const std::string& text) {
  std::string keys;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == '&') {
      ++i;
      continue;
    }
    keys += i + 1 < text.size() ? text[i + 1] : '\0';
  }
  return keys;
}

std::size_t countOf(const std::string& text, char wanted) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), wanted));
}

bool isValidUtf8(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80         ? 1
                               : (lead >> 5) == 6  ? 2
                               : (lead >> 4) == 14 ? 3
                               : (lead >> 3) == 30 ? 4
                                                   : 0;
    if (length == 0 || i + length > text.size()) {
      return false;
    }
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80) {
        return false;
      }
    }
    i += length;
  }
  return true;
}

struct Language {
  std::uint16_t id;
  const char* name;
};

const Language kTranslations[] = {
    {1028, "Chinese (Traditional)"},
    {2052, "Chinese (Simplified)"},
    {1031, "German"},
    {1036, "French"},
    {1040, "Italian"},
    {1041, "Japanese"},
    {1042, "Korean"},
    {1049, "Russian"},
    {2058, "Spanish"},
};

class Translation : public testing::TestWithParam<Language> {
 protected:
  void SetUp() override {
    const LanguageStrings* english = tableOf(LanguageId::kEnglish);
    const LanguageStrings* translated = tableOf(GetParam().id);
    ASSERT_NE(english, nullptr);
    ASSERT_NE(translated, nullptr) << GetParam().name << " has no table";
    english_ = textsOf(*english);
    translated_ = textsOf(*translated);
    ASSERT_EQ(translated_.size(), translated->count) << "an id appears twice";
  }

  std::map<int, std::string> english_;
  std::map<int, std::string> translated_;
};

TEST_P(Translation, HasEveryEnglishIdAndNoOther) {
  for (const auto& [id, text] : english_) {
    EXPECT_EQ(translated_.count(id), 1u) << "missing id " << id << " (" << text << ")";
  }
  for (const auto& [id, text] : translated_) {
    EXPECT_EQ(english_.count(id), 1u) << "id " << id << " is not in English: " << text;
  }
}

TEST_P(Translation, KeepsPlaceholdersAcceleratorsAndLineBreaks) {
  for (const auto& [id, text] : translated_) {
    const auto english = english_.find(id);
    if (english == english_.end()) {
      continue;  // reported by HasEveryEnglishIdAndNoOther
    }
    EXPECT_EQ(placeholders(text), placeholders(english->second)) << "id " << id << ": " << text;
    const std::string keys = accelerators(text);
    EXPECT_EQ(keys.size(), accelerators(english->second).size()) << "id " << id << ": " << text;
    for (const char key : keys) {  // a letter or digit: ASCII, or the first byte of a letter
      const auto byte = static_cast<unsigned char>(key);
      EXPECT_TRUE(std::isalnum(byte) || byte >= 0xc2) << "id " << id << ": " << text;
    }
    EXPECT_EQ(countOf(text, '\n'), countOf(english->second, '\n')) << "id " << id << ": " << text;
  }
}

TEST_P(Translation, TextsAreValidUtf8AndEmptyOnlyWhereEnglishIs) {
  for (const auto& [id, text] : translated_) {
    EXPECT_TRUE(isValidUtf8(text)) << "id " << id;
    const auto english = english_.find(id);
    if (english == english_.end()) {
      continue;
    }
    if (english->second == " ") {
      EXPECT_EQ(text, " ") << "id " << id << " must stay a single blank";
    } else {
      EXPECT_NE(text.find_first_not_of(" \n"), std::string::npos) << "id " << id << " is blank";
    }
  }
}

// The first run makes a folder of every default-folder text longer than 2 bytes: the four
// named ones must do so in every language, and the first two must differ (the second prompts
// for alarms).
TEST_P(Translation, NamesFourDefaultFoldersThatCanBeCreated) {
  for (int id = StringId::kDefaultFolder1; id <= StringId::kDefaultFolder4; ++id) {
    const std::string& name = translated_[id];
    EXPECT_GT(name.size(), 2u) << "id " << id;
    EXPECT_EQ(name.find_first_of("\\/:*?<>|\""), std::string::npos) << "id " << id << ": " << name;
    EXPECT_EQ(name.size() > 25, false) << "longer than a folder name may be: " << name;
  }
  EXPECT_NE(translated_[StringId::kDefaultFolder1], translated_[StringId::kDefaultFolder2]);
  EXPECT_EQ(translated_[StringId::kProductName], "Quillophone");
}

INSTANTIATE_TEST_SUITE_P(NineLanguages, Translation, testing::ValuesIn(kTranslations),
                         [](const testing::TestParamInfo<Language>& param) {
                           std::string name;
                           for (const char c : std::string(param.param.name)) {
                             if (std::isalnum(static_cast<unsigned char>(c))) {
                               name += c;
                             }
                           }
                           return name;
                         });

// The user's locale picks the table: every variant of a language reads its language's texts,
// a language without a table reads English.
TEST(TranslationChoice, LocaleNamesReachTheirTables) {
  struct Row {
    const char* locale;
    const char* alarmsFolder;
  };
  const Row rows[] = {
      {"de_AT.UTF-8", "Alarme"}, {"fr_CA.UTF-8", "Alarmes"},
      {"it_CH", "Allarmi"},      {"es_AR.UTF-8", "Alarmas"},
      {"es_ES", "Alarmas"},      {"ja_JP.UTF-8", "アラーム"},
      {"ko_KR.UTF-8", "알람"},   {"ru_RU.UTF-8", "Будильники"},
      {"zh_CN.UTF-8", "闹钟"},   {"zh_SG", "闹钟"},
      {"zh_TW.UTF-8", "鬧鐘"},   {"zh_HK", "鬧鐘"},
      {"nl_NL.UTF-8", "Alarms"}, {"C", "Alarms"},
  };
  for (const Row& row : rows) {
    const StringTable table(LanguageId::fromLocaleName(row.locale));
    EXPECT_EQ(table.text(StringId::kAlarmsFolder), row.alarmsFolder) << row.locale;
  }
}

// Placeholders filled through a translation come out where the language puts them.
TEST(TranslationChoice, SubstitutionThroughTranslatedPatterns) {
  const StringTable russian(LanguageId::fromLocaleName("ru_RU"));
  EXPECT_EQ(StringTable::substitute(russian.text(StringId::kLengthMinutes), {"2", "5.5"}),
            "2 мин 5.5 с");
  const StringTable german(LanguageId::fromLocaleName("de_DE"));
  EXPECT_EQ(StringTable::format(german.text(StringId::kEraseNotesQuestion), 3),
            "Möchten Sie diese 3 Notizen wirklich löschen?");
  const StringTable korean(LanguageId::fromLocaleName("ko_KR"));
  EXPECT_EQ(StringTable::substitute(korean.text(StringId::kIntegerOutOfRange), {"1", "60"}),
            "1에서 60 사이의 정수를 입력하세요.");
}

}  // namespace
}  // namespace qp
