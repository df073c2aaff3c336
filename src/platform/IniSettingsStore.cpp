#include "platform/IniSettingsStore.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdlib>

namespace qp {
namespace {

// Values live in the INI group "Settings"; a key never contains '/' (folder names cannot).
QString keyOf(std::string_view name) {
  return QStringLiteral("Settings/") +
         QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString qstr(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

IniSettingsStore::IniSettingsStore(const std::string& filePath)
    : filePath_(filePath),
      settings_(
          std::make_unique<QSettings>(QString::fromStdString(filePath), QSettings::IniFormat)) {}

IniSettingsStore::~IniSettingsStore() = default;

std::string IniSettingsStore::defaultFilePath() {
  std::string base;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
    base = config;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = std::string(home) + "/.config";
  } else {
    base = ".config";
  }
  return base + "/Tolvane Electronics/TolvaneQP.conf";
}

std::int32_t IniSettingsStore::readNumber(std::string_view name, std::int32_t defaultValue) const {
  const QVariant value = settings_->value(keyOf(name));
  if (value.typeId() != QMetaType::QString && value.typeId() != QMetaType::Int &&
      value.typeId() != QMetaType::LongLong) {
    return defaultValue;
  }
  bool ok = false;
  const int number = value.toString().trimmed().toInt(&ok);
  return ok ? number : defaultValue;
}

std::string IniSettingsStore::readText(std::string_view name, std::string_view defaultValue) const {
  const QVariant value = settings_->value(keyOf(name));
  if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::Int ||
      value.typeId() == QMetaType::LongLong) {
    return value.toString().toStdString();
  }
  // An unquoted value with commas (edited by hand) reads back as a list: rejoin it.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(QLatin1Char(',')).toStdString();
  }
  return std::string(defaultValue);
}

std::optional<std::vector<std::uint8_t>> IniSettingsStore::readRecord(std::string_view name) const {
  const QVariant value = settings_->value(keyOf(name));
  if (value.typeId() != QMetaType::QByteArray) {
    return std::nullopt;
  }
  const QByteArray bytes = value.toByteArray();
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

bool IniSettingsStore::writeNumber(std::string_view name, std::int32_t value) {
  settings_->setValue(keyOf(name), QString::number(value));
  return flush();
}

bool IniSettingsStore::writeText(std::string_view name, std::string_view value) {
  settings_->setValue(keyOf(name), qstr(value));
  return flush();
}

bool IniSettingsStore::writeRecord(std::string_view name, const std::vector<std::uint8_t>& bytes) {
  const QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                        static_cast<qsizetype>(bytes.size()));
  settings_->setValue(keyOf(name), data);
  return flush();
}

bool IniSettingsStore::removeValue(std::string_view name) {
  settings_->remove(keyOf(name));
  return flush();
}

bool IniSettingsStore::flush() {
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

}  // namespace qp
