#pragma once

#include <memory>
#include <string>

#include "common/SettingsStore.h"

class QSettings;

namespace qp {

// The settings of the desktop: an INI file, group `Settings`, by default
// $XDG_CONFIG_HOME/Tolvane Electronics/TolvaneQP.conf (~/.config when XDG_CONFIG_HOME is unset).
// Numbers and texts are stored as plain INI values, records as byte arrays that read back
// byte for byte. Every write is flushed to the file at once, so that other processes (the
// command line, a second instance) see it; a write that cannot reach the file returns false.
class IniSettingsStore final : public SettingsStore {
 public:
  explicit IniSettingsStore(const std::string& filePath = defaultFilePath());
  ~IniSettingsStore() override;
  IniSettingsStore(const IniSettingsStore&) = delete;
  IniSettingsStore& operator=(const IniSettingsStore&) = delete;

  static std::string defaultFilePath();
  const std::string& filePath() const { return filePath_; }

  std::int32_t readNumber(std::string_view name, std::int32_t defaultValue) const override;
  std::string readText(std::string_view name, std::string_view defaultValue) const override;
  std::optional<std::vector<std::uint8_t>> readRecord(std::string_view name) const override;
  using SettingsStore::readRecord;

  bool writeNumber(std::string_view name, std::int32_t value) override;
  bool writeText(std::string_view name, std::string_view value) override;
  bool writeRecord(std::string_view name, const std::vector<std::uint8_t>& bytes) override;
  bool removeValue(std::string_view name) override;

 private:
  bool flush();

  std::string filePath_;
  std::unique_ptr<QSettings> settings_;
};

}  // namespace qp
