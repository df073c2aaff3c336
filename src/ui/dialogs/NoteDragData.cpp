#include "ui/dialogs/NoteDragData.h"

#include <QByteArray>
#include <QDrag>
#include <QMimeData>
#include <QWidget>

namespace qp {

QMimeData* NoteDragData::forNote(NoteTransfer& transfer, NoteList& list, std::size_t index) {
  const std::string file = transfer.dragFile(list, index);
  return file.empty() ? nullptr : forFile(file);
}

QMimeData* NoteDragData::forFile(const std::string& file) {
  const DragData data = NoteTransfer::dragData(file);
  auto* mime = new QMimeData;
  mime->setData(kUriListType, QByteArray::fromStdString(data.uriList));
  mime->setData(kGnomeCopiedFilesType, QByteArray::fromStdString(data.gnomeCopiedFiles));
  return mime;
}

Qt::DropAction NoteDragData::drag(QWidget* source, QMimeData* data) {
  auto* drag = new QDrag(source);
  drag->setMimeData(data);
  return drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
}

}  // namespace qp
