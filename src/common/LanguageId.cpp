#include "common/LanguageId.h"

#include <cstdlib>
#include <string>

namespace qp::LanguageId {
namespace {

// Primary language codes.
constexpr std::uint16_t kArabic = 0x01, kChinese = 0x04, kGerman = 0x07, kEnglishPrimary = 0x09,
                        kSpanish = 0x0a, kFrench = 0x0c, kItalian = 0x10, kKorean = 0x12,
                        kDutch = 0x13, kNorwegian = 0x14, kPolish = 0x15, kPortuguese = 0x16,
                        kRussian = 0x19, kSwedish = 0x1d;

struct LocaleRow {
  const char* language;   // ISO 639 code
  const char* territory;  // ISO 3166 code, or "" for the language's usual variant
  std::uint16_t id;
};

// Exact territories first; the row with "" is the language's default variant.
constexpr LocaleRow kLocales[] = {
    {"ar", "", 0x0401},   {"bg", "", 0x0402},   {"ca", "", 0x0403},   {"zh", "TW", 0x0404},
    {"zh", "HK", 0x0c04}, {"zh", "MO", 0x1404}, {"zh", "SG", 0x1004}, {"zh", "", 0x0804},
    {"cs", "", 0x0405},   {"da", "", 0x0406},   {"de", "AT", 0x0c07}, {"de", "CH", 0x0807},
    {"de", "LU", 0x1007}, {"de", "LI", 0x1407}, {"de", "", 0x0407},   {"el", "", 0x0408},
    {"en", "GB", 0x0809}, {"en", "AU", 0x0c09}, {"en", "CA", 0x1009}, {"en", "NZ", 0x1409},
    {"en", "IE", 0x1809}, {"en", "ZA", 0x1c09}, {"en", "IN", 0x4009}, {"en", "", 0x0409},
    {"es", "MX", 0x080a}, {"es", "AR", 0x2c0a}, {"es", "CO", 0x240a}, {"es", "CL", 0x340a},
    {"es", "US", 0x540a}, {"es", "", 0x0c0a},   {"fi", "", 0x040b},   {"fr", "BE", 0x080c},
    {"fr", "CA", 0x0c0c}, {"fr", "CH", 0x100c}, {"fr", "LU", 0x140c}, {"fr", "", 0x040c},
    {"he", "", 0x040d},   {"hu", "", 0x040e},   {"is", "", 0x040f},   {"it", "CH", 0x0810},
    {"it", "", 0x0410},   {"ja", "", 0x0411},   {"ko", "", 0x0412},   {"nl", "BE", 0x0813},
    {"nl", "", 0x0413},   {"nb", "", 0x0414},   {"no", "", 0x0414},   {"nn", "", 0x0814},
    {"pl", "", 0x0415},   {"pt", "PT", 0x0816}, {"pt", "", 0x0416},   {"ro", "", 0x0418},
    {"ru", "", 0x0419},   {"hr", "", 0x041a},   {"sk", "", 0x041b},   {"sq", "", 0x041c},
    {"sv", "FI", 0x081d}, {"sv", "", 0x041d},   {"th", "", 0x041e},   {"tr", "", 0x041f},
    {"id", "", 0x0421},   {"uk", "", 0x0422},   {"sl", "", 0x0424},   {"et", "", 0x0425},
    {"lv", "", 0x0426},   {"lt", "", 0x0427},   {"vi", "", 0x042a},   {"hi", "", 0x0439},
};

}  // namespace

std::uint16_t mapToTableLanguage(std::uint16_t languageId) {
  const std::uint16_t primary = languageId & 0x3ff;
  const std::uint16_t variant = static_cast<std::uint16_t>(languageId >> 10);
  switch (primary) {
    case kArabic:
      return 1025;
    case kChinese:
      // Variants 1 Taiwan, 3 Hong Kong, 5 Macao use the traditional table.
      return (variant == 1 || variant == 3 || variant == 5) ? 1028 : 2052;
    case kGerman:
      return 1031;
    case kEnglishPrimary:
      return 1033;
    case kSpanish:
      return 2058;
    case kFrench:
      return 1036;
    case kItalian:
      return 1040;
    case kKorean:
      return 1042;
    case kDutch:
      return 1043;
    case kNorwegian:
      return 1044;
    case kPolish:
      return 1045;
    case kPortuguese:
      return 1046;
    case kRussian:
      return 1049;
    case kSwedish:
      return 1053;
    default:
      return languageId;
  }
}

std::uint16_t fromLocaleName(std::string_view localeName) {
  // language[_territory][.codeset][@modifier]
  const std::string_view name = localeName.substr(0, localeName.find_first_of(".@"));
  if (name.empty() || name == "C" || name == "POSIX") {
    return kEnglish;
  }
  const std::size_t underscore = name.find('_');
  const std::string_view language = name.substr(0, underscore);
  const std::string_view territory =
      underscore == std::string_view::npos ? std::string_view() : name.substr(underscore + 1);
  for (const LocaleRow& row : kLocales) {
    if (language == row.language && (*row.territory == '\0' || territory == row.territory)) {
      return row.id;
    }
  }
  return 0;
}

std::uint16_t system() {
  static const std::uint16_t cached = [] {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
      const char* value = std::getenv(variable);
      if (value && *value) {
        return fromLocaleName(value);
      }
    }
    return kEnglish;
  }();
  return cached;
}

}  // namespace qp::LanguageId
