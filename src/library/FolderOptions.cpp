#include "library/FolderOptions.h"

#include <vector>

#include "common/LittleEndian.h"
#include "common/StringIds.h"
#include "library/NameRules.h"

namespace qp {

std::string FolderOptions::valueName(std::string_view folderName) {
  return "Folder-" + std::string(folderName);
}

std::array<std::uint8_t, FolderOptions::kSize> FolderOptions::toBytes() const {
  std::array<std::uint8_t, kSize> bytes{};
  putLe32(bytes.data(), promptForAlarms);
  putLe32(bytes.data() + 4, sortOrder);
  return bytes;
}

std::optional<FolderOptions> FolderOptions::fromBytes(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kSize) {
    return std::nullopt;
  }
  return FolderOptions{getLe32(bytes.data()), getLe32(bytes.data() + 4)};
}

std::optional<FolderOptions> FolderOptions::readStored(const SettingsStore& settings,
                                                       std::string_view folderName) {
  const auto bytes = settings.readRecord(valueName(folderName));
  if (!bytes) {
    return std::nullopt;
  }
  return fromBytes(*bytes);
}

FolderOptions FolderOptions::read(const SettingsStore& settings, std::string_view folderName,
                                  const StringTable& strings) {
  if (auto stored = readStored(settings, folderName)) {
    return *stored;
  }
  FolderOptions defaults;
  defaults.promptForAlarms =
      NameRules::equalsIgnoringCase(folderName, strings.text(StringId::kAlarmsFolder)) ? 1 : 0;
  return defaults;
}

bool FolderOptions::write(SettingsStore& settings, std::string_view folderName,
                          const FolderOptions& options) {
  const auto bytes = options.toBytes();
  return settings.writeRecord(valueName(folderName),
                              std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

bool FolderOptions::remove(SettingsStore& settings, std::string_view folderName) {
  return settings.removeValue(valueName(folderName));
}

FolderOptions FolderOptions::withDialogRule() const {
  FolderOptions result = *this;
  if (promptForAlarms == 0 && sortOrder > 2) {
    result.sortOrder = 0;
  }
  return result;
}

}  // namespace qp
