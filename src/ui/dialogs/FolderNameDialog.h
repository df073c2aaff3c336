#pragma once

#include <string>

#include "common/SettingsStore.h"
#include "library/FolderOptions.h"
#include "ui/dialogs/DialogBase.h"

class QLineEdit;

namespace qp {

class FolderOptionsGroup;

// "New Folder" (name, "Prompt for Alarms", sort order) and "Rename Folder" (current name, new
// name). The name is checked as it is typed (forbidden characters removed, at most 25 bytes,
// each with its message); OK runs the folder command, and a refusal shows its message and
// keeps the dialog open. After OK the caller rebuilds its folder list and selects name().
class FolderNameDialog : public DialogBase {
  Q_OBJECT

 public:
  // New Folder in notesDirectory. settings must outlive the dialog.
  FolderNameDialog(QWidget* owner, std::string notesDirectory, SettingsStore& settings);
  // Rename Folder of currentName.
  FolderNameDialog(QWidget* owner, std::string notesDirectory, SettingsStore& settings,
                   std::string currentName);

  QLineEdit* nameEdit() const { return edit_; }
  FolderOptionsGroup* optionsGroup() const { return options_; }  // null when renaming
  // The folder's name after OK.
  std::string name() const;
  FolderOptions options() const;

  void accept() override;

  // The text of a folder message: string id, with 25 filled into the "too long" message.
  static QString messageText(int id);

 private:
  void build(const QString& current);
  void checkTyping();

  std::string notesDirectory_;
  SettingsStore& settings_;
  std::string currentName_;  // empty: New Folder
  QLineEdit* edit_ = nullptr;
  FolderOptionsGroup* options_ = nullptr;
};

}  // namespace qp
