#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/StringResource.h"

namespace qp {

// The user-visible texts by string id (common/StringIds.h), in the interface language. A lookup
// tries the string table of the mapped language (LanguageId::mapToTableLanguage of the system
// language), then the English table (1033), then returns the caller's built-in text. The
// tables it reads are constant data that live as long as the program; a StringTable is a small
// value that may be copied freely.
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

  // pattern with its printf-style placeholders ("%s", "%i", "%.1f", ...) replaced in order by
  // values, which the caller has formatted; "%%" gives "%", as does a lone '%' at the end. A
  // placeholder past the last value becomes empty, so a translation with a placeholder too many
  // cannot read past the values.
  static std::string substitute(const std::string& pattern, const std::vector<std::string>& values);

  // The process's table: the one setActive chose, or until then the one of
  // LanguageId::system(). The reference stays valid for the life of the process, whatever
  // setActive does later.
  static const StringTable& active();
  // Chooses the process's table. The program calls it once, in main, before it starts any
  // thread or object that reads texts; tests may call it again. Tables once chosen are kept
  // for the life of the process (one per interface language), so a reference from an earlier
  // active() stays valid and keeps its language; a later active() returns the new choice.
  // Thread-safe.
  static void setActive(std::uint16_t systemLanguage);

 private:
  static const char* find(const LanguageStrings* table, int id);

  std::uint16_t language_;
  const LanguageStrings* table_ = nullptr;
  const LanguageStrings* english_ = nullptr;
};

}  // namespace qp
