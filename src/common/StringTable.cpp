#include "common/StringTable.h"

#include <memory>

#include "common/LanguageId.h"

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

std::unique_ptr<StringTable>& activeTable() {
  static std::unique_ptr<StringTable> table;
  return table;
}

}  // namespace

StringTable::StringTable(std::uint16_t systemLanguage)
    : language_(LanguageId::mapToTableLanguage(systemLanguage)),
      table_(tableOf(language_)),
      english_(tableOf(LanguageId::kEnglish)) {}

bool StringTable::isEnglish() const {
  return language_ == LanguageId::kEnglish;
}

const char* StringTable::find(const LanguageStrings* table, int id) {
  if (!table) {
    return nullptr;
  }
  for (std::size_t i = 0; i < table->count; ++i) {
    if (table->strings[i].id == id) {
      return table->strings[i].text;
    }
  }
  return nullptr;
}

std::string StringTable::text(int id, const std::string& builtIn) const {
  if (const char* found = find(table_, id)) {
    return found;
  }
  if (const char* found = find(english_, id)) {
    return found;
  }
  return builtIn;
}

std::string StringTable::format(const std::string& pattern, long value) {
  std::size_t at = pattern.find("%i");
  if (at == std::string::npos) {
    at = pattern.find("%d");
  }
  if (at == std::string::npos) {
    return pattern;
  }
  return pattern.substr(0, at) + std::to_string(value) + pattern.substr(at + 2);
}

const StringTable& StringTable::active() {
  auto& table = activeTable();
  if (!table) {
    table = std::make_unique<StringTable>(LanguageId::system());
  }
  return *table;
}

void StringTable::setActive(std::uint16_t systemLanguage) {
  activeTable() = std::make_unique<StringTable>(systemLanguage);
}

}  // namespace qp
