#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qp {

// The rules for names of notes and folders: the nine characters a name cannot hold, the
// time-stamped names of new recordings, and the checks run while a name is typed.
struct NameRules {
  // The nine characters: \ : " / * ? < > |
  static constexpr std::string_view kForbidden = "\\:\"/*?<>|";
  static constexpr std::size_t kMaxFolderNameLength = 25;  // bytes of the UTF-8 name
  static constexpr std::size_t kMaxNotePathLength = 260;   // a longer full path is refused

  static bool isForbidden(char c) { return kForbidden.find(c) != std::string_view::npos; }
  static bool hasForbidden(std::string_view text);
  // text with each forbidden character turned into '.'.
  static std::string sanitize(std::string_view text);

  // "QP_" and the local time of unixSeconds in the "%c" form of the time locale, sanitized.
  static std::string newNoteName(std::int64_t unixSeconds);
  // The same for the current time.
  static std::string newNoteName();
  // True when the last component of path starts with "QP_" (case-sensitive).
  static bool isAutomaticallyNamed(std::string_view path);

  // Equality ignoring case, for UTF-8 names (folder names against string-table texts).
  static bool equalsIgnoringCase(std::string_view a, std::string_view b);

  // One step of the folder-name check run on each change of the edit: removes the first
  // forbidden character (messageId 40), or else cuts a name of 26 bytes or more to 25
  // (messageId 41, shown with 25); messageId 0 when the text is acceptable. The caller writes
  // text into the edit, and that change triggers another check.
  struct FolderNameCheck {
    std::string text;
    int messageId = 0;
  };
  static FolderNameCheck checkFolderName(std::string_view text);

  // The note-name check: every forbidden character removed, the caret (a byte offset) moved
  // back by those removed before it. showMessage (string 47) is set when something was
  // removed, except once when suppressOnce is set (a dialog opened on an automatically named
  // note cleans its date text silently); suppressOnce is cleared when it was used.
  struct NoteNameCheck {
    std::string text;
    std::size_t caret = 0;
    bool changed = false;
    bool showMessage = false;
  };
  static NoteNameCheck checkNoteName(std::string_view text, std::size_t caret, bool& suppressOnce);
};

}  // namespace qp
