#include "common/MemorySettingsStore.h"

namespace qp {

std::int32_t MemorySettingsStore::readNumber(std::string_view name,
                                             std::int32_t defaultValue) const {
  auto it = values_.find(name);
  if (it == values_.end()) {
    return defaultValue;
  }
  const auto* number = std::get_if<std::int32_t>(&it->second);
  return number ? *number : defaultValue;
}

std::string MemorySettingsStore::readText(std::string_view name,
                                          std::string_view defaultValue) const {
  auto it = values_.find(name);
  if (it == values_.end()) {
    return std::string(defaultValue);
  }
  const auto* text = std::get_if<std::string>(&it->second);
  return text ? *text : std::string(defaultValue);
}

std::optional<std::vector<std::uint8_t>> MemorySettingsStore::readRecord(
    std::string_view name) const {
  auto it = values_.find(name);
  if (it == values_.end()) {
    return std::nullopt;
  }
  const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&it->second);
  if (!bytes) {
    return std::nullopt;
  }
  return *bytes;
}

bool MemorySettingsStore::writeNumber(std::string_view name, std::int32_t value) {
  if (!writable_) {
    return false;
  }
  values_.insert_or_assign(std::string(name), Value(value));
  return true;
}

bool MemorySettingsStore::writeText(std::string_view name, std::string_view value) {
  if (!writable_) {
    return false;
  }
  values_.insert_or_assign(std::string(name), Value(std::string(value)));
  return true;
}

bool MemorySettingsStore::writeRecord(std::string_view name,
                                      const std::vector<std::uint8_t>& bytes) {
  if (!writable_) {
    return false;
  }
  values_.insert_or_assign(std::string(name), Value(bytes));
  return true;
}

bool MemorySettingsStore::removeValue(std::string_view name) {
  if (!writable_) {
    return false;
  }
  auto it = values_.find(name);
  if (it != values_.end()) {
    values_.erase(it);
  }
  return true;
}

}  // namespace qp
