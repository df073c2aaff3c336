#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "common/StringTable.h"
#include "export/CExportFormats.h"
#include "library/NoteList.h"
#include "sharing/DropImporter.h"

class QDropEvent;
class QMimeData;
class QWidget;

namespace qp {

// Lets a window take wave and WMA files (and links to them) dropped on it: they become notes
// of the current folder, a note of the same name replaced only after Yes to the replace
// question. Installed on a widget, it accepts drags that carry local files.
class NoteDropHandler : public QObject, private DropImporter::ReplacePrompt {
  Q_OBJECT

 public:
  // Where drops go, asked at each drop.
  struct Target {
    std::function<std::string()> folderDirectory;  // the current folder's directory
    std::function<NoteList*()> list;               // its notes (may give null)
    std::function<bool()> busy;                    // recording or playing: nothing is taken
    std::function<void(const DropImporter::Result&)> dropped;  // rebuild, select the new note
  };

  // formats may be null (no WMA conversion); it must outlive the handler.
  NoteDropHandler(CExportFormats* formats, Target target, QObject* parent = nullptr);

  // Accepts drops on widget from now on.
  void install(QWidget* widget);

  // The local files a drop carries, in order.
  static std::vector<std::string> droppedFiles(const QMimeData& data);
  // Imports the files; what install does on a drop.
  DropImporter::Result drop(const std::vector<std::string>& files);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool confirmReplace(const std::string& message) override;

  DropImporter importer_;
  Target target_;
  QWidget* widget_ = nullptr;
};

}  // namespace qp
