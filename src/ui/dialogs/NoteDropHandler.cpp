#include "ui/dialogs/NoteDropHandler.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <utility>

#include "ui/dialogs/DialogBase.h"

namespace qp {

NoteDropHandler::NoteDropHandler(CExportFormats* formats, Target target, QObject* parent)
    : QObject(parent),
      importer_(StringTable::active(), formats, *this),
      target_(std::move(target)) {}

void NoteDropHandler::install(QWidget* widget) {
  widget_ = widget;
  widget->setAcceptDrops(true);
  widget->installEventFilter(this);
}

std::vector<std::string> NoteDropHandler::droppedFiles(const QMimeData& data) {
  std::vector<std::string> files;
  for (const QUrl& url : data.urls()) {
    if (url.isLocalFile()) {
      files.push_back(url.toLocalFile().toStdString());
    }
  }
  return files;
}

DropImporter::Result NoteDropHandler::drop(const std::vector<std::string>& files) {
  const bool busy = target_.busy && target_.busy();
  NoteList* list = target_.list ? target_.list() : nullptr;
  const std::string folder = target_.folderDirectory ? target_.folderDirectory() : std::string();
  DropImporter::Result result;
  if (!folder.empty()) {
    result = importer_.dropFiles(files, folder, list, busy);
  }
  if (target_.dropped) {
    target_.dropped(result);
  }
  return result;
}

bool NoteDropHandler::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
    auto* drag = static_cast<QDragMoveEvent*>(event);
    if (drag->mimeData() != nullptr && !droppedFiles(*drag->mimeData()).empty()) {
      drag->setDropAction(Qt::CopyAction);
      drag->accept();
      return true;
    }
  } else if (event->type() == QEvent::Drop) {
    auto* dropped = static_cast<QDropEvent*>(event);
    if (dropped->mimeData() != nullptr) {
      const std::vector<std::string> files = droppedFiles(*dropped->mimeData());
      dropped->setDropAction(Qt::CopyAction);
      dropped->accept();
      drop(files);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

bool NoteDropHandler::confirmReplace(const std::string& message) {
  QWidget* window = widget_ != nullptr ? widget_->window() : nullptr;
  const QString caption = window != nullptr ? window->windowTitle() : QString();
  return DialogBase::ask(window, QString::fromStdString(message), caption);
}

}  // namespace qp
