#pragma once

#include <string>

#include "common/SettingsStore.h"
#include "library/FolderOptions.h"
#include "ui/dialogs/DialogBase.h"

namespace qp {

class FolderOptionsGroup;

// The options of one folder ("Options: " and its name): "Prompt for Alarms" and the sort
// order. OK stores them; the caller rebuilds the notes list when sortOrderChanged().
class FolderOptionsDialog : public DialogBase {
  Q_OBJECT

 public:
  // settings must outlive the dialog; the options shown are the folder's stored ones (or its
  // defaults).
  FolderOptionsDialog(QWidget* owner, std::string folderName, SettingsStore& settings);

  FolderOptionsGroup* optionsGroup() const { return group_; }
  FolderOptions options() const;
  bool sortOrderChanged() const;

  // Deletes the folder, permanently with everything in it, after Yes to the delete question.
  // True when it was deleted; the caller rebuilds its folder list and re-arms the alarms.
  static bool deleteFolder(QWidget* owner, const std::string& notesDirectory,
                           const std::string& folderName, SettingsStore& settings);

  void accept() override;

 private:
  std::string folderName_;
  SettingsStore& settings_;
  FolderOptions initial_;
  FolderOptionsGroup* group_;
};

}  // namespace qp
