#include "app/Application.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "app/AppServices.h"
#include "app/AutostartEntry.h"
#include "app/ProgramFile.h"
#include "app/ShellDialogs.h"
#include "app/SingleInstance.h"
#include "app/StartupDecisions.h"
#include "app/TrayIcon.h"
#include "app/TrayMenu.h"
#include "app/TrayQuickRecorder.h"
#include "common/StringIds.h"
#include "platform/ExportLibraries.h"
#include "ui/main/MainWindow.h"

namespace qp::app {
namespace {

// The installed manual: <prefix>/share/doc/quillophone/manual/index.html beside <prefix>/bin.
QString manualPath() {
  return QString::fromStdString(ProgramFile::directory()) +
         QStringLiteral("/../share/doc/quillophone/manual/index.html");
}

}  // namespace

Application::Application(SettingsStore& settings, const StringTable& strings,
                         std::string notesDirectory, SingleInstance& instance)
    : settings_(settings),
      strings_(strings),
      notesDirectory_(std::move(notesDirectory)),
      instance_(instance),
      folders_(settings, strings) {
  connect(&instance_, &SingleInstance::messageReceived, this, &Application::handleMessage);
}

Application::~Application() {
  delete window_.data();
}

void Application::start(const CommandLine& line) {
  exportFormats_ = makeExportFormats(strings_);
  services_ = std::make_unique<AppServices>(settings_, strings_, notesDirectory_);
  services_->alarmUi.setRebuildNotesList([this] {
    if (window_) {
      window_->reload();
    }
  });
  services_->scheduler.rearm();
  buildTray();
  const int onTray = settings_.readNumber("OnTray", 1);
  const auto finish = StartupDecisions::finish(line, onTray, TrayIcon::available());
  if (finish.runAtLogOn) {
    AutostartEntry::switchOn(settings_, ProgramFile::path());
  }
  if (finish.addTrayIcon) {
    tray_->show();
  }
  if (finish.openWindow) {
    openMainWindow();
  }
}

void Application::buildTray() {
  tray_ = std::make_unique<TrayIcon>();
  const QString tip = QString::fromStdString(strings_.text(StringId::kTrayTip));
  tray_->setTip(tip);
  menu_ = std::make_unique<TrayMenu>(strings_);
  setCommands();
  menu_->setFolderSource([this] {
    folders_.setRoot(notesDirectory_);
    folders_.selectByName(settings_.readText("DefFolder", ""));
    TrayMenu::Folders list;
    for (const FolderEntry& folder : folders_.folders()) {
      list.names.push_back(folder.name);
    }
    list.current = folders_.current() != nullptr ? folders_.currentIndex() : list.names.size();
    return list;
  });
  connect(menu_.get(), &TrayMenu::folderChosen, this, &Application::chooseFolder);
  tray_->setMenu(menu_->menu());
  connect(tray_.get(), &TrayIcon::clicked, this, &Application::trayClicked);
  connect(tray_.get(), &TrayIcon::openRequested, this, &Application::openMainWindow);
  connect(tray_.get(), &TrayIcon::doubleClicked, this, [this] {
    // The first press of a double click started a quick recording too short to keep.
    quickRecorder_->stop();
    openMainWindow();
  });
  TrayIcon* icon = TrayIcon::available() ? tray_.get() : nullptr;
  quickRecorder_ =
      std::make_unique<TrayQuickRecorder>(services_->recorderServices(), notesDirectory_, icon);
  quickRecorder_->setRestingTip(tip);
  quickRecorder_->setBusyCheck([this] { return window_ && window_->busy(); });
  connect(quickRecorder_.get(), &TrayQuickRecorder::finished, this, [this] {
    if (window_) {
      window_->reload();
    }
  });
}

void Application::setCommands() {
  using Command = TrayMenu::Command;
  menu_->setCommand(Command::Open, [this] { openMainWindow(); });
  if (QFileInfo::exists(manualPath())) {
    menu_->setCommand(Command::Help, [this] { openHelp(); });
  }
  menu_->setCommand(Command::Preferences,
                    [this] { runPreferences(*services_, *exportFormats_, window_); });
  menu_->setCommand(Command::About, [this] { showAbout(*services_, *exportFormats_, window_); });
  menu_->setCommand(Command::Close, [this] { exit(true); });
}

void Application::openHelp() {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(manualPath()).canonicalFilePath()));
}

void Application::chooseFolder(const QString& name) {
  settings_.writeText("DefFolder", name.toStdString());
  showCurrentFolder();
}

void Application::showCurrentFolder() {
  if (!window_) {
    return;
  }
  folders_.setRoot(notesDirectory_);
  folders_.selectByName(settings_.readText("DefFolder", ""));
  const FolderEntry* current = folders_.current();
  window_->showFolder(current ? current->path : std::string(), current ? current->name : "");
}

void Application::openMainWindow() {
  if (opening_ || exiting_) {
    return;
  }
  if (window_) {
    window_->showNormal();
    window_->raise();
    window_->activateWindow();
    return;
  }
  opening_ = true;
  window_ = new MainWindow(settings_, strings_, services_->clock);
  window_->setAttribute(Qt::WA_DeleteOnClose);
  window_->setCloseCheck([this] { return mayCloseWindow(); });
  connect(window_, &MainWindow::closed, this, &Application::windowClosed);
  services_->ui.setParent(window_);
  showCurrentFolder();
  window_->show();
  window_->raise();
  window_->activateWindow();
  opening_ = false;
}

bool Application::hasTrayIcon() const {
  return tray_ && tray_->visible();
}

MainWindow* Application::mainWindow() const {
  return window_.data();
}

bool Application::mayCloseWindow() {
  const int onTray = settings_.readNumber("OnTray", 1);
  if (!StartupDecisions::exitsWhenWindowCloses(onTray, hasTrayIcon())) {
    return true;
  }
  return services_->alarmCommands.confirmCloseWithAlarms(true, false);
}

void Application::windowClosed(bool reopen) {
  services_->ui.setParent(nullptr);
  if (reopen) {
    QMetaObject::invokeMethod(this, "openMainWindow", Qt::QueuedConnection);
    return;
  }
  const int onTray = settings_.readNumber("OnTray", 1);
  if (StartupDecisions::exitsWhenWindowCloses(onTray, hasTrayIcon())) {
    exit(false);
  }
}

bool Application::exit(bool askFirst) {
  if (exiting_) {
    return true;
  }
  if (askFirst && !services_->alarmCommands.confirmCloseWithAlarms(false, false)) {
    return false;
  }
  exiting_ = true;
  quickRecorder_->stop();
  services_->scheduler.killAll();
  tray_->hide();
  if (window_) {
    window_->setCloseCheck({});
    window_->close();
  }
  QApplication::closeAllWindows();
  QCoreApplication::quit();
  return true;
}

void Application::trayClicked() {
  if (exiting_) {
    return;
  }
  quickRecorder_->click();
}

void Application::handleMessage(const InstanceMessage& message) {
  switch (message.message) {
    case InstanceMessage::kOpen:
      if (message.wParam == 1 && TrayIcon::available()) {
        tray_->show();
      } else {
        openMainWindow();
      }
      break;
    case InstanceMessage::kExit:
      exit(false);
      break;
    case InstanceMessage::kTrayEvent:
      if (message.wParam == InstanceMessage::kTrayIconId &&
          message.lParam == InstanceMessage::kLeftClick) {
        trayClicked();
      }
      break;
    default:
      break;
  }
}

}  // namespace qp::app
