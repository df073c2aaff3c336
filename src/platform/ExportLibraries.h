#pragma once

#include <memory>

#include "common/StringTable.h"
#include "export/CExportFormats.h"

namespace qp {

// The export-format list over the system's libraries: the MP3 encoder library loaded at run
// time (absent: no MP3) and FFmpeg for WMA. strings must outlive the list.
std::unique_ptr<CExportFormats> makeExportFormats(const StringTable& strings);

}  // namespace qp
