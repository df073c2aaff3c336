#include "app/DesktopProgram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QThread>
#include <cstdio>
#include <cstdlib>

#include "app/Application.h"
#include "app/ProgramFile.h"
#include "app/SingleInstance.h"
#include "app/StartupDecisions.h"
#include "app/UninstallCleanup.h"
#include "common/StringIds.h"
#include "common/TimeFormat.h"
#include "library/NotesDirectory.h"
#include "platform/IniSettingsStore.h"
#include "ui/main/MainWindow.h"

namespace qp::app {
namespace {

using Step = StartupDecisions::InstanceStep;

void waitUntilEnded(const SingleInstance& instance) {
  QElapsedTimer waited;
  waited.start();
  while (instance.otherIsRunning() && waited.elapsed() < DesktopProgram::kUninstallWaitMs) {
    QThread::msleep(50);
  }
}

int uninstall(const CommandLine& line, IniSettingsStore& settings, const StringTable& strings,
              const std::string& notesDirectory) {
  SystemClock clock;
  UninstallCleanup cleanup(settings, strings, clock);
  cleanup.run(notesDirectory, settings.filePath(), line.silent, [&strings] {
    const QString caption = QString::fromStdString(strings.text(StringId::kProductName));
    const QString text = QString::fromStdString(strings.text(StringId::kEraseAllNotesQuestion));
    return QMessageBox::question(nullptr, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
  });
  return 0;
}

// Tells the start-up benchmark when the main window first shows (QUILLOPHONE_STARTUP_PROBE).
void reportFirstFrame(Application& program) {
  if (std::getenv("QUILLOPHONE_STARTUP_PROBE") == nullptr || program.mainWindow() == nullptr) {
    return;
  }
  QObject::connect(program.mainWindow(), &MainWindow::firstPainted, [] {
    std::fprintf(stderr, "quillophone: first frame painted\n");
    std::fflush(stderr);
  });
}

int runAsFirst(const CommandLine& line, IniSettingsStore& settings, const StringTable& strings,
               const std::string& notesDirectory, SingleInstance& instance) {
  Application program(settings, strings, notesDirectory, instance);
  program.start(line);
  reportFirstFrame(program);
  return QApplication::exec();
}

}  // namespace

int DesktopProgram::printAndEnd(const CommandLine& line) {
  if (line.version) {
    std::printf("quillophone %s\n", QP_VERSION);
  } else {
    std::fputs(CommandLine::usage().c_str(), stdout);
  }
  return 0;
}

std::optional<std::string> DesktopProgram::prepare(const CommandLine& line, SettingsStore& settings,
                                                   const StringTable& strings) {
  ProgramFile::record(settings);
  if (StartupDecisions::endsAfterCommandLine(line, settings.readNumber("OnTray", 1))) {
    return std::nullopt;
  }
  return NotesDirectory::resolve(settings, strings, ProgramFile::directory());
}

int DesktopProgram::run(const CommandLine& line) {
  TimeFormat::useUserLocale();
  IniSettingsStore settings;
  const StringTable& strings = StringTable::active();
  const std::optional<std::string> prepared = prepare(line, settings, strings);
  if (!prepared) {
    return 0;
  }
  const std::string& notes = *prepared;
  SingleInstance instance;
  const Step step = StartupDecisions::instanceStep(line, instance.otherIsRunning());
  if (step == Step::EndRunningThenEnd) {
    instance.sendToRunning(InstanceMessage::exitRequest());
    return 0;
  }
  if (step == Step::EndRunningThenCleanUp) {
    if (instance.sendToRunning(InstanceMessage::exitRequest())) {
      waitUntilEnded(instance);
    }
    return uninstall(line, settings, strings, notes);
  }
  // Two starts at once: the one that loses the race to listen hands over instead.
  if (step == Step::HandOverThenEnd || !instance.listen()) {
    if (instance.sendToRunning(StartupDecisions::handOverMessage(line))) {
      return 0;
    }
    if (!instance.listen()) {
      std::fprintf(stderr, "quillophone: cannot take %s\n",
                   instance.socketPath().toLocal8Bit().constData());
      return 1;
    }
  }
  return runAsFirst(line, settings, strings, notes, instance);
}

}  // namespace qp::app
