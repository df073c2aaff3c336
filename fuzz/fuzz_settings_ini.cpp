// Feeds arbitrary bytes to the settings as a hand-edited INI file: every value the program
// reads is read as a number, a text and a record, and handed to what uses it (the quality's
// rate, the alarm template, the options of every folder named in the file, the preferred
// devices). Then values taken from the input are written through the store and must read back
// exactly from a fresh store over the same file.
#include <QSettings>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzScratchFile.h"
#include "alarms/AlarmTemplate.h"
#include "audio/wave/NoteMetrics.h"
#include "common/StringTable.h"
#include "library/FolderOptions.h"
#include "platform/IniSettingsStore.h"

namespace {

constexpr const char* kNames[] = {
    "Quality",     "Silkvoice",       "CheckForSilence", "AskForName",      "DragFormat",
    "EmailFormat", "PlayAgain",       "DefFolder",       "NotesPath",       "FilePath",
    "Alarm",       "Folder-Personal", "Folder-Alarms",   "RecordingDevice", "PlaybackDevice"};

// A distinct file per input: the settings library caches parsed files by name and time.
std::string nextPath() {
  static unsigned counter = 0;
  return qp::fuzz::scratchPath("settings") + "-" + std::to_string(counter++ % 64) + ".conf";
}

bool validUtf8WithoutNul(const std::string& text) {
  if (text.find('\0') != std::string::npos) {
    return false;
  }
  const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return decoded.toStdString() == text;
}

void readEverything(const std::string& path) {
  qp::IniSettingsStore store(path);
  for (const char* name : kNames) {
    static_cast<void>(store.readNumber(name, -7));
    static_cast<void>(store.readText(name, "default"));
    static_cast<void>(store.readRecord(name));
  }
  static_cast<void>(qp::NoteMetrics::qualitySampleRate(store.readNumber("Quality", 2)));
  static_cast<void>(qp::AlarmTemplate::read(store));
  static_cast<void>(qp::AlarmTemplate::forNewAlarm(store, 1700000000));
  // The folders the file names: its "Folder-*" values and the default folder.
  QSettings raw(QString::fromStdString(path), QSettings::IniFormat);
  raw.beginGroup(QStringLiteral("Settings"));
  std::vector<std::string> folders = {store.readText("DefFolder", "")};
  for (const QString& key : raw.childKeys()) {
    if (key.startsWith(QStringLiteral("Folder-"))) {
      folders.push_back(key.mid(7).toStdString());
    }
  }
  for (const std::string& folder : folders) {
    const auto options = qp::FolderOptions::read(store, folder, qp::StringTable::active());
    static_cast<void>(options.withDialogRule());
  }
}

// Writes a number, a text and a record made from the input and reads them back anew.
void roundTrip(const std::string& path, const std::uint8_t* data, std::size_t size) {
  const std::int32_t number =
      size >= 4 ? static_cast<std::int32_t>(data[0] | data[1] << 8 | data[2] << 16 |
                                            static_cast<unsigned>(data[3]) << 24)
                : -1;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::uint8_t> record(data, data + size);
  {
    qp::IniSettingsStore store(path);
    if (!store.writeNumber("Quality", number) || !store.writeText("DefFolder", text) ||
        !store.writeRecord("Alarm", record)) {
      return;  // the file cannot be written: nothing to compare
    }
  }
  const qp::IniSettingsStore again(path);
  if (again.readNumber("Quality", number ^ 1) != number) {
    __builtin_trap();
  }
  if (validUtf8WithoutNul(text) && again.readText("DefFolder", "") != text) {
    __builtin_trap();
  }
  const auto back = again.readRecord("Alarm");
  if (!back || *back != record) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = nextPath();
  if (qp::fuzz::writeScratch(path, data, size)) {
    readEverything(path);
  }
  std::remove(path.c_str());
  roundTrip(path, data, size);
  std::remove(path.c_str());
  return 0;
}
