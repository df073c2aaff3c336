#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/SettingsStore.h"
#include "common/StringTable.h"

namespace qp {

// The options of one folder: settings record "Folder-" + folder name, exactly 8 bytes:
// promptForAlarms (32-bit unsigned little-endian) then sortOrder (a SortOrder value, same
// width). A record of any other length is ignored.
struct FolderOptions {
  static constexpr std::size_t kSize = 8;

  std::uint32_t promptForAlarms = 0;  // 1: the alarm dialog opens after filing a recording
  std::uint32_t sortOrder = 0;        // SortOrder, as stored (may be out of range)

  static std::string valueName(std::string_view folderName);

  std::array<std::uint8_t, kSize> toBytes() const;
  // Nothing unless bytes is exactly 8 long.
  static std::optional<FolderOptions> fromBytes(std::span<const std::uint8_t> bytes);

  // The folder's stored options, or the defaults: promptForAlarms 1 when the name equals the
  // language's name of the alarms folder (string 4, case ignored), else 0; sortOrder 0.
  static FolderOptions read(const SettingsStore& settings, std::string_view folderName,
                            const StringTable& strings);
  // Only the stored record, without defaults.
  static std::optional<FolderOptions> readStored(const SettingsStore& settings,
                                                 std::string_view folderName);
  static bool write(SettingsStore& settings, std::string_view folderName,
                    const FolderOptions& options);
  // Deletes the value; a missing value is not an error.
  static bool remove(SettingsStore& settings, std::string_view folderName);

  // The folder dialogs offer "Alarm Date" only while "Prompt for Alarms" is checked: without
  // it, an AlarmDate order (any value above 2) becomes OldestFirst.
  FolderOptions withDialogRule() const;

  bool operator==(const FolderOptions&) const = default;
};

}  // namespace qp
