#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/StringTable.h"

class QMenu;

namespace qp::app {

// The tray icon's menu: the program's commands, then, after a separator, one item per folder
// in the library's order with the current folder checked. A command is shown only once the
// program has given it an action (Help only while the manual is installed, say). The folder
// items are rebuilt each time the menu opens. UI thread only.
class TrayMenu final : public QObject {
  Q_OBJECT

 public:
  enum class Command { Open, Help, Preferences, EraseNotes, About, Close };

  // The folders to list and the position of the current one (past the end: none).
  struct Folders {
    std::vector<std::string> names;
    std::size_t current = 0;
  };

  // strings must outlive the menu.
  explicit TrayMenu(const StringTable& strings, QObject* parent = nullptr);
  ~TrayMenu() override;
  TrayMenu(const TrayMenu&) = delete;
  TrayMenu& operator=(const TrayMenu&) = delete;

  QMenu* menu() const { return menu_.get(); }

  // Gives the command its action (an empty one takes the item out again).
  void setCommand(Command command, std::function<void()> action);
  void setFolderSource(std::function<Folders()> source) { folderSource_ = std::move(source); }
  // Rebuilds the items now (also done whenever the menu is about to open).
  void rebuild();

  // The texts of the items in order, "-" for a separator, a leading "*" for the checked one.
  std::vector<QString> itemTexts() const;
  // Runs the item with that text as if chosen; false when there is none.
  bool trigger(const QString& text);

 signals:
  void folderChosen(const QString& name);

 private:
  void addCommand(Command command, int textId);

  const StringTable& strings_;
  std::unique_ptr<QMenu> menu_;
  std::map<Command, std::function<void()>> actions_;
  std::function<Folders()> folderSource_;
};

}  // namespace qp::app
