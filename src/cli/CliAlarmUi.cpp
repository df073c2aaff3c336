#include "cli/CliAlarmUi.h"

#include <poll.h>
#include <unistd.h>

#include <cstdio>

namespace qp::cli {
namespace {

constexpr int kDefaultSnoozeMinutes = 10;

}  // namespace

CliAlarmUi::CliAlarmUi(CliTimerLoop& loop, DeviceAlarmSounds& sounds, const SettingsStore& settings,
                       Terminal& terminal, bool autoClose)
    : loop_(loop),
      sounds_(sounds),
      settings_(settings),
      terminal_(terminal),
      autoClose_(autoClose) {}

void CliAlarmUi::alarmFired(const NoteEntry& note) {
  std::printf("fired\t%s\n", note.path.c_str());
  std::fflush(stdout);
}

bool CliAlarmUi::pollLine(std::string& line, bool& eof) {
  eof = inputEnded_;
  while (!inputEnded_) {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    if (::poll(&input, 1, 0) <= 0 || (input.revents & (POLLIN | POLLHUP)) == 0) {
      return false;
    }
    char c = 0;
    if (::read(STDIN_FILENO, &c, 1) <= 0) {
      inputEnded_ = eof = true;
      return false;
    }
    if (c == '\n') {
      line.swap(pending_);
      pending_.clear();
      return true;
    }
    pending_ += c;
  }
  return false;
}

AlarmPopupResult CliAlarmUi::showPopup(const NoteEntry& note) {
  const std::string message = note.alarm ? note.alarm->message : std::string();
  std::printf("popup\t%s\t%s\n", note.path.c_str(), message.c_str());
  std::fflush(stdout);
  const int snoozeMinutes = settings_.readNumber("PlayAgain", kDefaultSnoozeMinutes);
  if (!autoClose_) {
    std::fprintf(stderr, "Enter closes the alarm; s and Enter snoozes it for %d minutes.\n",
                 snoozeMinutes);
  }
  AlarmPopupResult result;
  result.snoozeMinutes = snoozeMinutes;
  loop_.runUntil([&] {
    if (terminal_.stopRequested()) {
      return true;
    }
    if (autoClose_) {
      return !sounds_.playing();
    }
    std::string line;
    bool eof = false;
    if (pollLine(line, eof)) {
      result.snooze = line == "s" || line == "S";
      return true;
    }
    return eof;
  });
  std::printf("%s\t%s\n", result.snooze ? "snoozed" : "closed", note.path.c_str());
  std::fflush(stdout);
  return result;
}

AlarmDialogResult CliAlarmUi::showAlarmDialog(const NoteEntry&, AlarmRecord&, bool) {
  return AlarmDialogResult::Cancel;  // alarms are set with `alarm set`
}

bool CliAlarmUi::askYesNo(const std::string&, const std::string&) {
  return true;
}

}  // namespace qp::cli
