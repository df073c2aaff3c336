#pragma once

#include <cstdint>
#include <string_view>

namespace qp {

// Language ids as the string tables know them (1033 English (US), 1031 German, 2052 Chinese
// (PRC), ...): the low 10 bits are the primary language, the high 6 bits the variant.
namespace LanguageId {

inline constexpr std::uint16_t kEnglish = 1033;

// The representative id of a language's string table: every English variant -> 1033, every
// German variant -> 1031, Chinese Hong Kong and Taiwan -> 1028, PRC and Singapore -> 2052,
// every Spanish variant -> 2058, and so on; an id of any other language is returned as it is.
std::uint16_t mapToTableLanguage(std::uint16_t languageId);

// The language id of a POSIX locale name such as "de_AT.UTF-8", "pt_BR", "zh_TW@euro" or "C".
// "C", "POSIX" and an empty name are English (US); a language without a known id gives 0
// (no string table: lookups fall back to English).
std::uint16_t fromLocaleName(std::string_view localeName);

// The user's language: from LC_ALL, LC_MESSAGES or LANG (the first that is set and not empty),
// read once and cached for the life of the process.
std::uint16_t system();

}  // namespace LanguageId
}  // namespace qp
