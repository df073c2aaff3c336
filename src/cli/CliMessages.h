#pragma once

#include <string>

namespace qp::cli {

// The error lines of quillophone-cli on standard error. Each is one line: "quillophone-cli: ",
// then the file or folder it is about followed by ": " when there is one, then a plain
// sentence. Texts that the window shows in a dialog (a button to press, a list to choose from,
// paragraphs) get a terminal wording here in English; the string table keeps the window's.

// The text on one line: its line breaks (and the blank lines between paragraphs) become
// single spaces.
std::string oneLine(const std::string& text);

// Prints "quillophone-cli: ABOUT: MESSAGE" (without "ABOUT: " when about is empty) on one line
// to standard error; returns kExitUserError.
int fileError(const std::string& about, const std::string& message);

// How a folder is named in an error line: folder "NAME".
std::string folderLabel(const std::string& name);

// The refusal of a folder name that names no folder: "no folder named "NAME" (see
// quillophone-cli folders)"; for an empty name, that there is no current folder either.
// Returns kExitUserError.
int noSuchFolder(const std::string& name);

// The note reader's error code (WaveFileReader::lastError) as a plain sentence about the file
// at path, with the code after it: "no such file (error 259)".
std::string readerProblem(const std::string& path, int code);
// fileError(path, readerProblem(path, code)).
int readerError(const std::string& path, int code);

// A program text as the terminal shows it, and whether it is about the file the verb works
// on (then the file is named before it).
struct TerminalMessage {
  std::string text;
  bool aboutFile = false;
};

// The terminal's wording of the text with that string id; texts without one come from the
// active string table, on one line, and are taken to be about no file.
TerminalMessage terminalMessage(int stringId);
// The same for a text as the active string table gave it (messages reach the terminal as
// texts); a text of no known id is shown on one line, about no file.
TerminalMessage terminalMessage(const std::string& shownText);

}  // namespace qp::cli
