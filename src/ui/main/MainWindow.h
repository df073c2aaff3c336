#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "common/Clock.h"
#include "common/SettingsStore.h"
#include "common/StringTable.h"

class QLabel;
class QListWidget;

namespace qp {

// The program's main window as the application shell knows it: created when the window is
// opened, shown and raised, destroyed when it closes. For now it shows the current folder's
// name and its notes' display names, under the product's name.
class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  // settings, strings and clock list the notes; all must outlive the window.
  MainWindow(const SettingsStore& settings, const StringTable& strings, const Clock& clock,
             QWidget* parent = nullptr);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Lists the notes of the folder at folderPath under its name.
  void showFolder(const std::string& folderPath, const std::string& folderName);
  // Lists the shown folder again (its notes changed).
  void reload();

  // Asked when the user closes the window: false keeps it open (empty: always closes).
  void setCloseCheck(std::function<bool()> mayClose) { mayClose_ = std::move(mayClose); }

  // True while the window plays or records, or a dialog of it is open.
  bool busy() const { return false; }
  int noteCount() const;

 signals:
  // The user closed the window. reopen: the window is to be made again at once.
  void closed(bool reopen);
  // The first frame of the window was painted.
  void firstPainted();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  const SettingsStore& settings_;
  const StringTable& strings_;
  const Clock& clock_;
  std::string folderPath_;
  QLabel* folderName_ = nullptr;
  QListWidget* notes_ = nullptr;
  std::function<bool()> mayClose_;
  bool painted_ = false;
};

}  // namespace qp
