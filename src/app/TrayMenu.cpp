#include "app/TrayMenu.h"

#include <QAction>
#include <QMenu>

#include "common/StringIds.h"

namespace qp::app {

TrayMenu::TrayMenu(const StringTable& strings, QObject* parent)
    : QObject(parent), strings_(strings), menu_(std::make_unique<QMenu>()) {
  connect(menu_.get(), &QMenu::aboutToShow, this, &TrayMenu::rebuild);
}

TrayMenu::~TrayMenu() = default;

void TrayMenu::setCommand(Command command, std::function<void()> action) {
  if (action) {
    actions_[command] = std::move(action);
  } else {
    actions_.erase(command);
  }
  rebuild();
}

void TrayMenu::addCommand(Command command, int textId) {
  auto it = actions_.find(command);
  if (it == actions_.end()) {
    return;
  }
  QAction* action = menu_->addAction(QString::fromStdString(strings_.text(textId)));
  connect(action, &QAction::triggered, this, [run = it->second] { run(); });
  if (command == Command::Open) {
    menu_->setDefaultAction(action);
  }
}

void TrayMenu::rebuild() {
  menu_->clear();
  addCommand(Command::Open, StringId::kTrayOpen);
  addCommand(Command::Help, StringId::kTrayHelp);
  addCommand(Command::Preferences, StringId::kTrayPreferences);
  addCommand(Command::EraseNotes, StringId::kTrayEraseNotes);
  menu_->addSeparator();
  addCommand(Command::About, StringId::kTrayAbout);
  addCommand(Command::Close, StringId::kTrayClose);
  const Folders folders = folderSource_ ? folderSource_() : Folders{};
  if (folders.names.empty()) {
    return;
  }
  menu_->addSeparator();
  for (std::size_t i = 0; i < folders.names.size(); ++i) {
    const QString name = QString::fromStdString(folders.names[i]);
    QAction* action = menu_->addAction(name);
    action->setCheckable(true);
    action->setChecked(i == folders.current);
    connect(action, &QAction::triggered, this, [this, name] { emit folderChosen(name); });
  }
}

std::vector<QString> TrayMenu::itemTexts() const {
  std::vector<QString> texts;
  for (const QAction* action : menu_->actions()) {
    if (action->isSeparator()) {
      texts.emplace_back(QStringLiteral("-"));
    } else {
      texts.push_back((action->isChecked() ? QStringLiteral("*") : QString()) + action->text());
    }
  }
  return texts;
}

bool TrayMenu::trigger(const QString& text) {
  for (QAction* action : menu_->actions()) {
    if (!action->isSeparator() && action->text() == text) {
      action->trigger();
      return true;
    }
  }
  return false;
}

}  // namespace qp::app
