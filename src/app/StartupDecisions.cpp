#include "app/StartupDecisions.h"

namespace qp::app {

StartupDecisions::InstanceStep StartupDecisions::instanceStep(const CommandLine& line,
                                                              bool otherRunning) {
  if (line.kill) {
    return InstanceStep::EndRunningThenEnd;
  }
  if (line.uninstall) {
    return InstanceStep::EndRunningThenCleanUp;
  }
  return otherRunning ? InstanceStep::HandOverThenEnd : InstanceStep::RunAsFirst;
}

InstanceMessage StartupDecisions::handOverMessage(const CommandLine& line) {
  if (line.kill || line.uninstall) {
    return InstanceMessage::exitRequest();
  }
  return InstanceMessage::openRequest(line.tray);
}

StartupDecisions::Finish StartupDecisions::finish(const CommandLine& line, int onTray,
                                                  bool trayAvailable) {
  Finish finish;
  const bool inTray = line.tray || onTray == 1;
  finish.runAtLogOn = inTray;
  finish.addTrayIcon = inTray && trayAvailable;
  finish.openWindow = !line.tray || !trayAvailable;
  return finish;
}

}  // namespace qp::app
