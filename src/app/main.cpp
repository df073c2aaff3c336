// quillophone: the voice-note program for the desktop, with its icon in the notification area.
#include <QApplication>
#include <QIcon>
#include <string>
#include <vector>

#include "app/DesktopProgram.h"
#include "app/StartupDecisions.h"
#include "ui/QtLanguage.h"

int main(int argc, char** argv) {
  const auto line = qp::app::CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
  if (qp::app::StartupDecisions::printsAndEnds(line)) {
    return qp::app::DesktopProgram::printAndEnd(line);
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quillophone"));
  QApplication::setDesktopFileName(QStringLiteral("org.tolvane.Quillophone"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillophone/quillophone.svg")));
  // The program lives on in the tray when its last window closes; it quits through exit().
  QApplication::setQuitOnLastWindowClosed(false);
  qp::installLanguage(app);
  return qp::app::DesktopProgram::run(line);
}
