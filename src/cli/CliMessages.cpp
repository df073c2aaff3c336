#include "cli/CliMessages.h"

#include <cstdio>
#include <filesystem>

#include "audio/wave/MmioErrors.h"
#include "cli/CliVerb.h"
#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp::cli {
namespace {

// Fields in the order the table rows read; the padding costs a few bytes of a constant table.
struct Wording {  // NOLINT(clang-analyzer-optin.performance.Padding)
  int id;
  const char* text;  // null: the string table's own text fits a terminal
  bool aboutFile;
};

// Texts the verbs can meet. Those with a wording of their own would ask for a click, a list
// choice or a button on a terminal.
constexpr Wording kWordings[] = {
    {StringId::kCannotOpenNote, nullptr, true},
    {StringId::kOnly16BitPlayback, nullptr, true},
    {StringId::kDiskFull, nullptr, true},
    {StringId::kNoteFull, nullptr, true},
    {StringId::kMonoOnly, nullptr, true},
    {StringId::kNeedInsertionPoint,
     "there is no insertion point at the very start of a note: give --at above 0, or --to as "
     "well to replace a stretch",
     true},
    {StringId::kSelectANote, "give exactly one note", false},
    {StringId::kNoAudio, "No audio was detected coming from your microphone.", false},
    {StringId::kEmailFailed,
     "the mail program did not take the message (xdg-email failed); check that the desktop "
     "has a default mail program set up",
     false},
    {StringId::kAlarmPassed,
     "The alarm date and time has already passed; give a later --at time or --once date.", true},
    {StringId::kNoWeekdayChosen,
     "a weekly alarm needs at least one day of the week (--weekly sun,mon,...)", true},
    {StringId::kNoMonthChosen, "a monthly alarm needs at least one month (--months jan,feb,...)",
     true},
    {StringId::kFolderNameEmpty, "a folder name cannot be empty", false},
    {StringId::kNoFolderChosen, "there is no such folder (see quillophone-cli folders)", false},
};

TerminalMessage wordingOf(const Wording& w) {
  if (w.text != nullptr) {
    return {w.text, w.aboutFile};
  }
  return {oneLine(StringTable::active().text(w.id)), w.aboutFile};
}

}  // namespace

std::string oneLine(const std::string& text) {
  std::string line;
  for (char c : text) {
    if (c != '\n') {
      line += c;
    } else if (!line.empty() && line.back() != ' ') {
      line += ' ';
    }
  }
  while (!line.empty() && line.back() == ' ') {
    line.pop_back();
  }
  return line;
}

int fileError(const std::string& about, const std::string& message) {
  const std::string text = oneLine(message);
  if (about.empty()) {
    std::fprintf(stderr, "quillophone-cli: %s\n", text.c_str());
  } else {
    std::fprintf(stderr, "quillophone-cli: %s: %s\n", oneLine(about).c_str(), text.c_str());
  }
  return kExitUserError;
}

std::string folderLabel(const std::string& name) {
  return "folder \"" + name + "\"";
}

int noSuchFolder(const std::string& name) {
  if (name.empty()) {
    return fileError(std::string(),
                     "no folder given, and there is no current folder (see quillophone-cli "
                     "folders; quillophone-cli folder new NAME makes one)");
  }
  return fileError(std::string(), "no folder named \"" + name + "\" (see quillophone-cli folders)");
}

std::string readerProblem(const std::string& path, int code) {
  namespace fs = std::filesystem;
  std::string sentence = "Unable to open the note file";
  std::error_code ec;
  switch (code) {
    case MMIOERR_CANNOTOPEN:
      sentence = !fs::exists(path, ec)        ? "no such file"
                 : fs::is_directory(path, ec) ? "a folder, not a note file"
                                              : "the file cannot be opened for reading";
      break;
    case MMIOERR_INVALIDFILE:
      sentence = "not a wave file";
      break;
    case MMIOERR_CHUNKNOTFOUND:
      sentence = "not a wave file: its format or its sound data is missing";
      break;
    case MMIOERR_CANNOTREAD:
    case MMIOERR_CANNOTSEEK:
      sentence = "the file could not be read";
      break;
    case MMIOERR_OUTOFMEMORY:
      sentence = "not enough memory to read the file";
      break;
    default:
      break;
  }
  return sentence + " (error " + std::to_string(code) + ")";
}

int readerError(const std::string& path, int code) {
  return fileError(path, readerProblem(path, code));
}

TerminalMessage terminalMessage(int stringId) {
  for (const Wording& w : kWordings) {
    if (w.id == stringId) {
      return wordingOf(w);
    }
  }
  return {oneLine(StringTable::active().text(stringId)), false};
}

TerminalMessage terminalMessage(const std::string& shownText) {
  const StringTable& strings = StringTable::active();
  for (const Wording& w : kWordings) {
    const std::string text = strings.text(w.id);
    // A dialog text may be shown cut at its first line break.
    if (!text.empty() && (shownText == text || shownText == text.substr(0, text.find('\n')))) {
      return wordingOf(w);
    }
  }
  return {oneLine(shownText), false};
}

}  // namespace qp::cli
