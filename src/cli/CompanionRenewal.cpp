#include "cli/CompanionRenewal.h"

#include "common/StringTable.h"
#include "platform/ExportLibraries.h"
#include "platform/IniSettingsStore.h"
#include "sharing/NoteTransfer.h"

namespace qp::cli {

void renewCompanion(const std::string& path) {
  IniSettingsStore settings;
  const auto formats = makeExportFormats(StringTable::active());
  NoteTransfer(settings, formats.get()).renewCompanion(path);
}

void renewExistingCompanion(const std::string& path) {
  if (!NoteTransfer::companionOf(path).empty()) {
    renewCompanion(path);
  }
}

}  // namespace qp::cli
