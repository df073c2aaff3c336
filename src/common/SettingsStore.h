#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qp {

// The program's settings: the current user's named values in the group `Settings`. A value
// is a whole number (32-bit signed; -1 is a valid setting), a text (UTF-8) or a binary record
// (kept byte-exact: the 8-byte folder options, the 244-byte alarm template). Every reader
// supplies its own default; a missing value, or one stored as another kind or unreadable,
// yields that default and is never an error.
//
// Implementations: MemorySettingsStore (common/, for tests) and the INI file of the desktop
// (platform/IniSettingsStore). Not thread-safe: use from one thread.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  virtual std::int32_t readNumber(std::string_view name, std::int32_t defaultValue) const = 0;
  virtual std::string readText(std::string_view name, std::string_view defaultValue) const = 0;
  // The record's bytes, or nothing when the value is missing or is not a record. Callers check
  // the length themselves (a folder-options record is used only when exactly 8 bytes long).
  virtual std::optional<std::vector<std::uint8_t>> readRecord(std::string_view name) const = 0;

  // False when the value could not be stored.
  virtual bool writeNumber(std::string_view name, std::int32_t value) = 0;
  virtual bool writeText(std::string_view name, std::string_view value) = 0;
  virtual bool writeRecord(std::string_view name, const std::vector<std::uint8_t>& bytes) = 0;

  // Deletes the value; a missing value is not an error (returns true).
  virtual bool removeValue(std::string_view name) = 0;

  // The record, or defaultValue when it is missing or not a record.
  std::vector<std::uint8_t> readRecord(std::string_view name,
                                       const std::vector<std::uint8_t>& defaultValue) const {
    auto bytes = readRecord(name);
    if (bytes) {
      return std::move(*bytes);
    }
    return defaultValue;
  }
};

}  // namespace qp
