// Feeds arbitrary bytes to the folder-options record: as the record itself (only exactly 8
// bytes are a record, and those must come back byte for byte) and as a stored settings value
// under a folder name taken from the input, read with and without the language's defaults and
// put through the dialog rule and the sort order it means.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/MemorySettingsStore.h"
#include "common/StringTable.h"
#include "library/FolderOptions.h"
#include "library/SortOrder.h"

namespace {

void checkOptions(const qp::FolderOptions& options) {
  const qp::FolderOptions ruled = options.withDialogRule();
  if (ruled.promptForAlarms != options.promptForAlarms ||
      (options.promptForAlarms == 0 && ruled.sortOrder > 2)) {
    __builtin_trap();
  }
  const auto order = static_cast<std::uint32_t>(qp::sortOrderOf(options.sortOrder));
  if (order > 3 || qp::sortOrderLabelId(qp::sortOrderOf(options.sortOrder)) == 0) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const auto options = qp::FolderOptions::fromBytes(bytes);
  if (options.has_value() != (size == qp::FolderOptions::kSize)) {
    __builtin_trap();
  }
  if (options) {
    const auto back = options->toBytes();
    if (!std::equal(back.begin(), back.end(), bytes.begin())) {
      __builtin_trap();
    }
    checkOptions(*options);
  }
  // The input's first byte says how much of the rest names the folder; the record follows.
  const std::size_t nameLength = size > 0 ? std::min<std::size_t>(data[0] % 32, size - 1) : 0;
  const std::string name(reinterpret_cast<const char*>(data) + (size > 0 ? 1 : 0), nameLength);
  const std::vector<std::uint8_t> record(data + (size > 0 ? 1 : 0) + nameLength, data + size);
  qp::MemorySettingsStore settings;
  settings.writeRecord(qp::FolderOptions::valueName(name), record);
  const auto stored = qp::FolderOptions::readStored(settings, name);
  if (stored.has_value() != (record.size() == qp::FolderOptions::kSize)) {
    __builtin_trap();
  }
  const qp::FolderOptions read = qp::FolderOptions::read(settings, name, qp::StringTable::active());
  if (stored && !(read == *stored)) {
    __builtin_trap();
  }
  checkOptions(read);
  return 0;
}
