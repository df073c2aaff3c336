#pragma once

#include <Qt>
#include <cstddef>
#include <string>

#include "library/NoteList.h"
#include "sharing/NoteTransfer.h"

class QMimeData;
class QWidget;

namespace qp {

// What a note dragged out of the notes list offers other programs: its file as text/uri-list
// and as x-special/gnome-copied-files, so file managers, mail composers and chat windows take
// it. The file is the note's own or its companion in the DragFormat format, made by the first
// drag and reused by later ones.
struct NoteDragData {
  static constexpr const char* kUriListType = "text/uri-list";
  static constexpr const char* kGnomeCopiedFilesType = "x-special/gnome-copied-files";

  // The data for the note at index (a new object the caller owns, usually handing it to a
  // QDrag); null when there is no note there. May convert the note (blocks while it does).
  static QMimeData* forNote(NoteTransfer& transfer, NoteList& list, std::size_t index);
  static QMimeData* forFile(const std::string& file);

  // Runs the drag from source with copy, move and link allowed; returns what the target did.
  // After a move the target owns the file: the caller drops the note from its list (erasing
  // nothing) and rebuilds it.
  static Qt::DropAction drag(QWidget* source, QMimeData* data);
};

}  // namespace qp
