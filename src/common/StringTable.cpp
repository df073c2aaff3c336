#include "common/StringTable.h"

#include <algorithm>
#include <atomic>
#include <list>
#include <mutex>
#include <string_view>

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

// Every table that has been the process's, one per interface language. Never destroyed (not
// even at exit) and never shrunk, so references to its elements stay valid to the end.
class KeptTables {
 public:
  const StringTable& forLanguage(std::uint16_t systemLanguage) {
    const std::uint16_t language = LanguageId::mapToTableLanguage(systemLanguage);
    const std::lock_guard<std::mutex> lock(mutex_);
    for (const StringTable& table : tables_) {
      if (table.language() == language) {
        return table;
      }
    }
    return tables_.emplace_back(systemLanguage);
  }

 private:
  std::mutex mutex_;
  std::list<StringTable> tables_;
};

KeptTables& keptTables() {
  static KeptTables* const kept = new KeptTables;
  return *kept;
}

std::atomic<const StringTable*> activeTable{nullptr};

// The first index from at on whose character is not in set.
std::size_t skipAny(const std::string& pattern, std::size_t at, std::string_view set) {
  while (at < pattern.size() && set.find(pattern[at]) != std::string_view::npos) {
    ++at;
  }
  return at;
}

// The index just past the printf conversion that begins with the '%' at pattern[at]: flags,
// width, precision, length modifiers and the conversion letter.
std::size_t conversionEnd(const std::string& pattern, std::size_t at) {
  constexpr std::string_view kDigits = "0123456789";
  std::size_t end = skipAny(pattern, at + 1, "-+ #0");
  end = skipAny(pattern, end, kDigits);
  if (end < pattern.size() && pattern[end] == '.') {
    end = skipAny(pattern, end + 1, kDigits);
  }
  end = skipAny(pattern, end, "hlLqjzt");
  return std::min(end + 1, pattern.size());
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

std::string StringTable::substitute(const std::string& pattern,
                                    const std::vector<std::string>& values) {
  std::string out;
  std::size_t next = 0;
  std::size_t from = 0;
  for (std::size_t at = pattern.find('%'); at != std::string::npos; at = pattern.find('%', from)) {
    out.append(pattern, from, at - from);
    if (at + 1 == pattern.size()) {  // a lone '%' at the end stays as it is
      out += '%';
      from = pattern.size();
      break;
    }
    if (pattern[at + 1] == '%') {
      out += '%';
      from = at + 2;
      continue;
    }
    if (next < values.size()) {
      out += values[next];
    }
    ++next;
    from = conversionEnd(pattern, at);
  }
  out.append(pattern, from, std::string::npos);
  return out;
}

const StringTable& StringTable::active() {
  const StringTable* table = activeTable.load(std::memory_order_acquire);
  if (table == nullptr) {
    const StringTable* made = &keptTables().forLanguage(LanguageId::system());
    // A setActive that ran meanwhile wins.
    if (activeTable.compare_exchange_strong(table, made, std::memory_order_acq_rel)) {
      table = made;
    }
  }
  return *table;
}

void StringTable::setActive(std::uint16_t systemLanguage) {
  activeTable.store(&keptTables().forLanguage(systemLanguage), std::memory_order_release);
}

}  // namespace qp
