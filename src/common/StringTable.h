#pragma once

#include <cstdint>
#include <string>

#include "common/StringResource.h"

namespace qp {

// The user-visible texts by string id, in the interface language. A lookup tries the string
// table of the mapped language (LanguageId::mapToTableLanguage of the system language), then
// the English table (1033), then returns the caller's built-in text.
class StringTable {
 public:
  // systemLanguage is the language id before mapping (e.g. 0x0c07 for German (Austria)).
  explicit StringTable(std::uint16_t systemLanguage);

  // The interface language: the mapped id (1033 for every English variant).
  std::uint16_t language() const { return language_; }
  bool isEnglish() const;

  // The text of id, or builtIn when no table has it.
  std::string text(int id, const std::string& builtIn = std::string()) const;

  // pattern with its first "%i" (or "%d") replaced by value: "cannot be longer than %i" -> 25.
  static std::string format(const std::string& pattern, long value);

  // The table of the process, made from LanguageId::system() on first use.
  static const StringTable& active();
  // Replaces the process's table (start-up, tests). Not thread-safe.
  static void setActive(std::uint16_t systemLanguage);

 private:
  static const char* find(const LanguageStrings* table, int id);

  std::uint16_t language_;
  const LanguageStrings* table_ = nullptr;
  const LanguageStrings* english_ = nullptr;
};

}  // namespace qp
