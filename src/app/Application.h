#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <string>

#include "app/CommandLine.h"
#include "app/InstanceMessage.h"
#include "common/SettingsStore.h"
#include "common/StringTable.h"
#include "export/CExportFormats.h"
#include "library/FolderList.h"

namespace qp {
class MainWindow;
}

namespace qp::app {

class AppServices;
class SingleInstance;
class TrayIcon;
class TrayMenu;
class TrayQuickRecorder;

// The running program once it is the only instance: the export formats, the alarm scheduler,
// the tray icon with its menu and quick recorder, the main window that comes and goes, the
// requests of later starts, and the orderly exit. UI thread only.
class Application final : public QObject {
  Q_OBJECT

 public:
  // settings, strings and instance must outlive the object; instance already listens.
  Application(SettingsStore& settings, const StringTable& strings, std::string notesDirectory,
              SingleInstance& instance);
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The end of start-up: tray icon, log-on entry and main window as line and OnTray ask.
  void start(const CommandLine& line);

  // Opens the main window, or restores and raises it when it is open.
  Q_INVOKABLE void openMainWindow();
  // The Close command and the exit request of another start: the close question when alarms
  // are armed (askFirst), then the exit. False when the user chose to stay.
  bool exit(bool askFirst);
  void handleMessage(const InstanceMessage& message);
  // A click on the tray icon (or the same request from the instance socket).
  void trayClicked();

  MainWindow* mainWindow() const;
  TrayIcon* trayIcon() const { return tray_.get(); }
  bool hasTrayIcon() const;

 private:
  void buildTray();
  void setCommands();
  void chooseFolder(const QString& name);
  void showCurrentFolder();
  void windowClosed(bool reopen);
  bool mayCloseWindow();
  void openHelp();

  SettingsStore& settings_;
  const StringTable& strings_;
  std::string notesDirectory_;
  SingleInstance& instance_;
  FolderList folders_;
  std::unique_ptr<CExportFormats> exportFormats_;
  std::unique_ptr<AppServices> services_;
  std::unique_ptr<TrayIcon> tray_;
  std::unique_ptr<TrayMenu> menu_;
  std::unique_ptr<TrayQuickRecorder> quickRecorder_;
  QPointer<MainWindow> window_;
  bool opening_ = false;
  bool exiting_ = false;
};

}  // namespace qp::app
