#include "library/NameRules.h"

#include <ctime>
#include <cwchar>
#include <cwctype>

#include "common/StringIds.h"
#include "common/TimeFormat.h"

namespace qp {
namespace {

// Wide characters of a UTF-8 (or locale multibyte) text; bytes that do not decode stand for
// themselves, so every text has a stable wide form.
std::wstring widen(std::string_view text) {
  std::wstring out;
  std::mbstate_t state{};
  for (std::size_t at = 0; at < text.size();) {
    wchar_t wc = 0;
    const std::size_t used = std::mbrtowc(&wc, text.data() + at, text.size() - at, &state);
    if (used == 0 || used > text.size() - at) {
      out += static_cast<wchar_t>(static_cast<unsigned char>(text[at]));
      state = std::mbstate_t{};
      ++at;
    } else {
      out += wc;
      at += used;
    }
  }
  return out;
}

}  // namespace

bool NameRules::hasForbidden(std::string_view text) {
  return text.find_first_of(kForbidden) != std::string_view::npos;
}

std::string NameRules::sanitize(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (isForbidden(c)) {
      c = '.';
    }
  }
  return out;
}

std::string NameRules::newNoteName(std::int64_t unixSeconds) {
  return "QP_" + sanitize(TimeFormat::formatLocal(unixSeconds, "%c"));
}

std::string NameRules::newNoteName() {
  return newNoteName(static_cast<std::int64_t>(std::time(nullptr)));
}

bool NameRules::isAutomaticallyNamed(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  return name.substr(0, 3) == "QP_";
}

bool NameRules::equalsIgnoringCase(std::string_view a, std::string_view b) {
  const std::wstring wa = widen(a);
  const std::wstring wb = widen(b);
  if (wa.size() != wb.size()) {
    return false;
  }
  for (std::size_t i = 0; i < wa.size(); ++i) {
    if (std::towlower(static_cast<std::wint_t>(wa[i])) !=
        std::towlower(static_cast<std::wint_t>(wb[i]))) {
      return false;
    }
  }
  return true;
}

NameRules::FolderNameCheck NameRules::checkFolderName(std::string_view text) {
  FolderNameCheck result{std::string(text), 0};
  const std::size_t bad = text.find_first_of(kForbidden);
  if (bad != std::string_view::npos) {
    result.text.erase(bad, 1);
    result.messageId = StringId::kFolderNameForbiddenCharacter;
  } else if (text.size() > kMaxFolderNameLength) {
    // Cut at 25 bytes, but never inside a UTF-8 sequence.
    std::size_t cut = kMaxFolderNameLength;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xc0) == 0x80) {
      --cut;
    }
    result.text.resize(cut);
    result.messageId = StringId::kFolderNameTooLong;
  }
  return result;
}

NameRules::NoteNameCheck NameRules::checkNoteName(std::string_view text, std::size_t caret,
                                                  bool& suppressOnce) {
  NoteNameCheck result;
  result.caret = caret > text.size() ? text.size() : caret;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isForbidden(text[i])) {
      result.changed = true;
      if (i < caret && result.caret > 0) {
        --result.caret;
      }
    } else {
      result.text += text[i];
    }
  }
  if (result.changed) {
    result.showMessage = !suppressOnce;
    suppressOnce = false;
  }
  return result;
}

}  // namespace qp
