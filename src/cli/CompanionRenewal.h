#pragma once

#include <string>

namespace qp::cli {

// After a verb changed the wave file at path, its drag companion would hand over the old
// sound: it is made again in the DragFormat of the user's settings, or deleted when there is
// no drag format (NoteTransfer::renewCompanion). Blocks while converting.
//
// Edits renew always (as the window does). Verbs that write a wave file wherever they are told
// (record OUT.wav, denoise, speed, export) renew only a companion that exists, so that no
// companion appears beside a file that is no note.
void renewCompanion(const std::string& path);
void renewExistingCompanion(const std::string& path);

}  // namespace qp::cli
