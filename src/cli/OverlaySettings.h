#pragma once

#include <string>

#include "common/MemorySettingsStore.h"
#include "common/SettingsStore.h"

namespace qp::cli {

// The user's settings with some values replaced for one run by command-line options: reads
// find the replaced values first; writes go to the user's settings.
class OverlaySettings final : public SettingsStore {
 public:
  explicit OverlaySettings(SettingsStore& base) : base_(base) {}
  void setNumber(std::string_view name, std::int32_t value) { over_.writeNumber(name, value); }
  void setText(std::string_view name, std::string_view value) { over_.writeText(name, value); }

  std::int32_t readNumber(std::string_view name, std::int32_t defaultValue) const override {
    return over_.contains(name) ? over_.readNumber(name, defaultValue)
                                : base_.readNumber(name, defaultValue);
  }
  std::string readText(std::string_view name, std::string_view defaultValue) const override {
    return over_.contains(name) ? over_.readText(name, defaultValue)
                                : base_.readText(name, defaultValue);
  }
  std::optional<std::vector<std::uint8_t>> readRecord(std::string_view name) const override {
    return base_.readRecord(name);
  }
  using SettingsStore::readRecord;
  bool writeNumber(std::string_view name, std::int32_t value) override {
    over_.removeValue(name);
    return base_.writeNumber(name, value);
  }
  bool writeText(std::string_view name, std::string_view value) override {
    over_.removeValue(name);
    return base_.writeText(name, value);
  }
  bool writeRecord(std::string_view name, const std::vector<std::uint8_t>& bytes) override {
    return base_.writeRecord(name, bytes);
  }
  bool removeValue(std::string_view name) override {
    over_.removeValue(name);
    return base_.removeValue(name);
  }

 private:
  SettingsStore& base_;
  MemorySettingsStore over_;
};

}  // namespace qp::cli
