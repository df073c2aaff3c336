// The languages the program carries. Adding a language: a Strings<Language>.cpp data file
// defining its LanguageStrings, and one line here.
#include "common/StringResource.h"

namespace qp {

extern const LanguageStrings kEnglishStrings;
extern const LanguageStrings kChineseTraditionalStrings;
extern const LanguageStrings kChineseSimplifiedStrings;
extern const LanguageStrings kGermanStrings;
extern const LanguageStrings kFrenchStrings;
extern const LanguageStrings kItalianStrings;
extern const LanguageStrings kJapaneseStrings;
extern const LanguageStrings kKoreanStrings;
extern const LanguageStrings kRussianStrings;
extern const LanguageStrings kSpanishStrings;

namespace {
const LanguageStrings* const kAllLanguages[] = {
    &kEnglishStrings,
    &kChineseTraditionalStrings,
    &kChineseSimplifiedStrings,
    &kGermanStrings,
    &kFrenchStrings,
    &kItalianStrings,
    &kJapaneseStrings,
    &kKoreanStrings,
    &kRussianStrings,
    &kSpanishStrings,
};
}  // namespace

const LanguageStrings* const* allLanguageStrings(std::size_t& count) {
  count = sizeof(kAllLanguages) / sizeof(kAllLanguages[0]);
  return kAllLanguages;
}

}  // namespace qp
