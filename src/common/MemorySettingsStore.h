#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "common/SettingsStore.h"

namespace qp {

// Settings kept in memory, for tests and for runs that must not touch the user's settings.
// Each value keeps the kind it was written with; reading it as another kind gives the caller's
// default, as the SettingsStore contract asks.
class MemorySettingsStore final : public SettingsStore {
 public:
  using Value = std::variant<std::int32_t, std::string, std::vector<std::uint8_t>>;

  std::int32_t readNumber(std::string_view name, std::int32_t defaultValue) const override;
  std::string readText(std::string_view name, std::string_view defaultValue) const override;
  std::optional<std::vector<std::uint8_t>> readRecord(std::string_view name) const override;
  using SettingsStore::readRecord;

  bool writeNumber(std::string_view name, std::int32_t value) override;
  bool writeText(std::string_view name, std::string_view value) override;
  bool writeRecord(std::string_view name, const std::vector<std::uint8_t>& bytes) override;
  bool removeValue(std::string_view name) override;

  bool contains(std::string_view name) const { return values_.count(std::string(name)) != 0; }
  std::size_t size() const { return values_.size(); }
  // Makes every later write fail (a read-only or full settings store).
  void setWritable(bool writable) { writable_ = writable; }

 private:
  std::map<std::string, Value, std::less<>> values_;
  bool writable_ = true;
};

}  // namespace qp
