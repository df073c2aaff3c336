#pragma once

#include <cstddef>
#include <cstdint>

namespace qp {

// One text of a language's string table: the string id and its UTF-8 text.
struct StringResource {
  int id;
  const char* text;
};

// A language's string table: its language id (1033 English, 1031 German, ...) and its texts,
// in any order. Each language is one data file defining one of these; StringTables.cpp lists
// them all.
struct LanguageStrings {
  std::uint16_t languageId;
  const StringResource* strings;
  std::size_t count;
};

// Every language the program carries.
const LanguageStrings* const* allLanguageStrings(std::size_t& count);

}  // namespace qp
