// The languages the program carries. Adding a language: a Strings<Language>.cpp data file
// defining its LanguageStrings, and one line here.
#include "common/StringResource.h"

namespace qp {

extern const LanguageStrings kEnglishStrings;

namespace {
const LanguageStrings* const kAllLanguages[] = {
    &kEnglishStrings,
};
}  // namespace

const LanguageStrings* const* allLanguageStrings(std::size_t& count) {
  count = sizeof(kAllLanguages) / sizeof(kAllLanguages[0]);
  return kAllLanguages;
}

}  // namespace qp
