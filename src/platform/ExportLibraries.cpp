#include "platform/ExportLibraries.h"

#include "platform/FfmpegWmaTranscoder.h"
#include "platform/LameBladeLibrary.h"

namespace qp {

std::unique_ptr<CExportFormats> makeExportFormats(const StringTable& strings) {
  return std::make_unique<CExportFormats>(strings, LameBladeLibrary::load(),
                                          std::make_unique<FfmpegWmaTranscoder>());
}

}  // namespace qp
